// The start-up state: every process-wide value of the start-up table at its
// start value after a reset, whatever a previous run left behind.
#include <gtest/gtest.h>

#include "platform/state_registry.h"
#include "services/settings_values.h"
#include "shell/front_end_state.h"
#include "shell/headless_run.h"
#include "shell/level_music.h"
#include "world/game_progress.h"
#include "world/view.h"

namespace {

struct StartValue {
    const char* name;
    const char* value;
};

TEST(GameState, ResetGivesEveryStartValue) {
    for (int* v : {&services::Difficulty, &services::SoundOn,      &services::MusicOn, &services::FullScreen,
                   &services::KeyLeft,    &services::KeyRight,     &services::KeyUp,   &services::KeyDown,
                   &services::KeyFire,    &services::PersonalBest, &world::Score,      &world::Lives,
                   &world::Level,         &world::Bonus,           &world::BonusTick,  &world::Dying,
                   &world::GameState,     &world::ScreenHalf,      &shell::MenuChoice, &shell::OptionsChoice,
                   &shell::TuneIndex})
        *v = 77;
    services::PlayerName = "Rudolph";
    shell::TuneName = "Music2ingame3-loop";

    platform::ResetAllState();
    const StartValue expected[] = {
        {"Difficulty", "2"},
        {"SoundOn", "1"},
        {"MusicOn", "1"},
        {"FullScreen", "0"},
        {"KeyLeft", "37"},
        {"KeyRight", "39"},
        {"KeyUp", "38"},
        {"KeyDown", "40"},
        {"KeyFire", "162"},
        {"PersonalBest", "0"},
        {"PlayerName", "player1"},
        {"GameVersion", "1.1"},
        {"Score", "0"},
        {"Lives", "0"},
        {"Level", "0"},
        {"Bonus", "0"},
        {"BonusTick", "0"},
        {"Dying", "0"},
        {"GameState", "0"},
        {"ScreenHalf", "0"},
        {"MenuChoice", "0"},
        {"OptionsChoice", "0"},
        {"TuneIndex", "1"},
        {"TuneName", ""},
    };
    std::string dump = platform::DumpState();
    for (const auto& e : expected) EXPECT_EQ(shell::DumpValue(dump, e.name), e.value) << e.name;
}

}  // namespace
