// Scenario tests of the options menu: the display rows, the sound and music
// switches with the menu tune, moving the highlight and leaving.
#include <gtest/gtest.h>

#include <string>

#include "front_end_run.h"
#include "platform/backend.h"
#include "platform/headless_backend.h"
#include "services/settings_values.h"
#include "services/sound.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"
#include "shell/menu_tables.h"

namespace {

using End = shell::HeadlessResult::End;
using frontend_test::RunScreen;
using frontend_test::ScreenRun;
using frontend_test::Started;

bool ShownFullScreen() {
    return dynamic_cast<platform::HeadlessBackend&>(platform::CurrentBackend()).FullScreen();
}

struct OptionsOutcome {
    shell::HeadlessResult result;
    bool fullScreenAtEnd = false;
};

// Runs the options menu with the switches as given; the menu tune plays when
// music is on, as it does in the main menu.
OptionsOutcome RunOptions(const std::string& script, std::function<void()> setup, int frames = 20) {
    OptionsOutcome outcome;
    ScreenRun run;
    run.script = script;
    run.frameLimit = frames;
    run.setup = [setup] {
        setup();
        if (services::MusicOn == 1) services::Sound::Play("Music1menu-loop", 1);
    };
    run.screen = [&outcome] {
        shell::RunOptionsMenu();
        outcome.fullScreenAtEnd = ShownFullScreen();
    };
    outcome.result = RunScreen(run);
    return outcome;
}

TEST(OptionsMenu, SwitchesToggleAndAStrayValueTogglesToOn) {
    struct Case {
        int row;
        int before, after;
    };
    const Case cases[] = {
        {assets::kRowSound, 1, 0}, {assets::kRowSound, 0, 1}, {assets::kRowSound, 2, 1},
        {assets::kRowMusic, 1, 0}, {assets::kRowMusic, 0, 1}, {assets::kRowMusic, 3, 1},
    };
    for (const Case& c : cases) {
        int& value = c.row == assets::kRowSound ? services::SoundOn : services::MusicOn;
        auto outcome = RunOptions("at 2 tap Enter\nat 5 tap Escape\n", [&] {
            shell::OptionsChoice = c.row;
            value = c.before;
        });
        EXPECT_EQ(outcome.result.end, End::ProgramEnded) << outcome.result.message;
        EXPECT_EQ(value, c.after) << "row " << c.row << " from " << c.before;
        if (c.row == assets::kRowMusic) {
            EXPECT_EQ(Started("Music1menu-loop"), c.after == 1) << "the menu tune follows MUSIC";
        }
    }
}

TEST(OptionsMenu, MusicOffStopsTheTuneAndOnStartsItAgain) {
    auto outcome =
        RunOptions("at 2 tap Enter\nat 4 tap Enter\n", [] { shell::OptionsChoice = assets::kRowMusic; });
    EXPECT_EQ(services::MusicOn, 1);
    EXPECT_TRUE(Started("Music1menu-loop"));
    // Stopped and started again: the looped tune's entry was stopped in between.
    EXPECT_EQ(services::Sound::IsPlaying("Music1menu-loop"), 1);
}

TEST(OptionsMenu, DisplayRowsReopenTheScreenOnlyWhenTheyChangeIt) {
    struct Case {
        std::string script;
        int stored;
        int after;
        bool fullScreen;
    };
    const Case cases[] = {
        // Started with a stored 1, the program still runs in a window: FULLSCREEN changes nothing.
        {"at 2 tap Enter\nat 4 tap Escape\n", 1, 1, false},
        // WINDOW and then FULLSCREEN switches.
        {"at 2 tap Down\nat 3 tap Enter\nat 4 tap Up\nat 5 tap Enter\nat 7 tap Escape\n", 1, 1, true},
        {"at 2 tap Enter\nat 4 tap Escape\n", 0, 1, true},
        {"at 2 tap Down\nat 3 tap Enter\nat 4 tap Escape\n", 0, 0, false},
        // A stray value: each row gives its own mode.
        {"at 2 tap Enter\nat 4 tap Escape\n", 2, 1, true},
        {"at 2 tap Down\nat 3 tap Enter\nat 4 tap Escape\n", 2, 0, false},
    };
    for (const Case& c : cases) {
        auto outcome = RunOptions(c.script, [&] {
            shell::OptionsChoice = assets::kRowFullScreen;
            services::FullScreen = c.stored;
        });
        EXPECT_EQ(outcome.result.end, End::ProgramEnded) << outcome.result.message;
        EXPECT_EQ(services::FullScreen, c.after) << c.script;
        EXPECT_EQ(outcome.fullScreenAtEnd, c.fullScreen) << c.script;
    }
}

TEST(OptionsMenu, CursorKeysMoveTheHighlightWithWrapAround) {
    struct Case {
        std::string script;
        int choice;
    };
    const Case cases[] = {
        {"at 2 tap Up\n", 4},
        {"at 2 tap Down\n", 1},
        {"at 2 tap Up\nat 3 tap Down\nat 4 tap Down\n", 1},
        {"at 2 tap Left\nat 3 tap Right\n", 0},  // only up and down move it
    };
    for (const Case& c : cases) {
        RunOptions(c.script, [] { shell::OptionsChoice = 0; });
        EXPECT_EQ(shell::OptionsChoice, c.choice) << c.script;
    }
}

TEST(OptionsMenu, LeavesOnEscapeTheCloseRequestOrTheMenuButton) {
    struct Case {
        std::string script;
        int frames;
    };
    const Case cases[] = {
        {"at 3 tap Escape\n", 3},
        {"at 3 close\n", 3},
        {"at 2 move 900 50\nat 3 click 1\n", 4},
    };
    for (const Case& c : cases) {
        auto outcome = RunOptions(c.script, [] {});
        EXPECT_EQ(outcome.result.end, End::ProgramEnded) << c.script << outcome.result.message;
        EXPECT_EQ(outcome.result.frames, c.frames) << c.script;
    }
    // A click elsewhere, then resting on the button, does not leave.
    auto outcome = RunOptions("at 2 move 10 10\nat 3 click 1\nat 5 move 900 50\n", [] {});
    EXPECT_EQ(outcome.result.end, End::FrameLimit) << outcome.result.message;
}

}  // namespace
