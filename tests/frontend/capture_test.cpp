// A captured frame of every front-end screen, written to captures/ in the
// build tree for looking at.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "front_end_run.h"
#include "platform/png_codec.h"
#include "services/settings_values.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"
#include "shell/highscores.h"
#include "shell/play_game.h"

namespace {

struct Shot {
    std::string name;
    std::function<void()> screen;  // empty: the main menu
    std::function<void()> setup;
    std::string script;
    int frame;
};

TEST(Capture, EveryScreen) {
    const Shot shots[] = {
        {"main_menu", {}, {}, "", 2},
        {"main_menu_credits_lit", {}, [] { shell::MenuChoice = 3; }, "", 2},
        {"main_menu_close_lit", {}, [] { shell::MenuChoice = 5; }, "", 2},
        {"main_menu_online_lit", {}, [] { shell::MenuChoice = 4; }, "", 2},
        {"main_menu_notice",
         {},
         [] {
             shell::VersionNotice = {1, "new version (v1.2) is", "available from website."};
             shell::NoticeTick = 60;
         },
         "",
         2},
        {"quit_dialog", {}, {}, "at 2 tap Escape\n", 4},
        {"instructions", shell::ShowInstructions, {}, "at 1 move 900 50\n", 2},
        {"credits", shell::ShowCredits, {}, "", 2},
        {"options", shell::RunOptionsMenu, [] { services::FullScreen = 0; }, "", 2},
        {"options_redefine_keys", shell::RunOptionsMenu, [] { shell::OptionsChoice = 4; }, "", 2},
        {"difficulty", shell::SelectDifficulty, {}, "", 2},
        {"difficulty_easy", shell::SelectDifficulty, [] { services::Difficulty = 1; }, "", 2},
        {"story", shell::ShowStory, {}, "idle tap Space\n", 0},
        {"standin_game", shell::PlayGame, {}, "", 2},
        {"standin_controls", shell::RedefineKeysScreen, {}, "", 2},
        {"standin_highscores", [] { shell::ShowHighscores(0); }, {}, "", 2},
    };
    std::filesystem::create_directories("captures");
    for (const Shot& shot : shots) {
        frontend_test::ScreenRun run;
        run.screen = shot.screen;
        run.setup = shot.setup;
        run.script = shot.script;
        run.captures = {shot.frame};
        run.frameLimit = shot.frame + 1;
        auto result = frontend_test::RunScreen(run);
        ASSERT_EQ(result.frameCaptures.count(shot.frame), 1u) << shot.name << ": " << result.message;
        EXPECT_TRUE(platform::WritePngRgb(result.frameCaptures[shot.frame], "captures/" + shot.name + ".png"))
            << shot.name;
    }
}

}  // namespace
