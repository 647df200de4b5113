// Scenario tests of the difficulty choice, the story screen, the text screens
// and the way PLAY leads through them into a game and back.
#include <gtest/gtest.h>

#include <string>

#include "front_end_run.h"
#include "services/settings_values.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"
#include "shell/level_music.h"

namespace {

using End = shell::HeadlessResult::End;
using frontend_test::RunScreen;
using frontend_test::ScreenRun;
using frontend_test::Started;

TEST(Difficulty, ArrowsChooseAndFireEnterOrEscapeConfirm) {
    struct Case {
        std::string script;
        int start;
        int chosen;
    };
    const Case cases[] = {
        {"at 2 tap Escape\n", 2, 2},
        {"at 2 tap Left\nat 3 tap Escape\n", 2, 1},
        {"at 2 tap Left\nat 3 tap Enter\n", 2, 1},
        {"at 2 tap Left\nat 3 tap Right\nat 4 tap LCtrl\n", 2, 2},
        {"at 2 tap Left\nat 3 tap LCtrl\n", 1, 1},  // already Easy
    };
    for (const Case& c : cases) {
        ScreenRun run;
        run.script = c.script;
        run.frameLimit = 30;
        run.setup = [&] { services::Difficulty = c.start; };
        run.screen = shell::SelectDifficulty;
        auto result = RunScreen(run);
        EXPECT_EQ(result.end, End::ProgramEnded) << c.script << result.message;
        EXPECT_EQ(services::Difficulty, c.chosen) << c.script;
    }
}

TEST(Difficulty, TheCloseRequestDoesNotEndTheChoice) {
    ScreenRun run;
    run.script = "at 2 close\n";
    run.frameLimit = 30;
    run.screen = shell::SelectDifficulty;
    EXPECT_EQ(RunScreen(run).end, End::FrameLimit);
}

TEST(PlayFromTheMenu, EscapeOnTheDifficultyScreenStartsTheGame) {
    // PLAY, Escape on the difficulty screen, a key on the story screen (which
    // draws no more frames while it waits), then the game.
    ScreenRun run;
    run.script = "at 2 tap Enter\nat 5 tap Escape\nidle tap Space\n";
    run.frameLimit = 30;
    auto result = RunScreen(run);
    EXPECT_EQ(result.end, End::FrameLimit) << result.message;
    EXPECT_TRUE(Started("teleport")) << "the story screen was shown";
    EXPECT_FALSE(Started("Music1menu-loop")) << "the menu tune stops for the game";
    EXPECT_EQ(shell::TuneName, "Music2ingame1-loop");
    EXPECT_TRUE(Started("Music2ingame1-loop"));
}

TEST(PlayFromTheMenu, AfterTheGameTheMenuTuneReturnsAndTheNextTuneIsDue) {
    ScreenRun run;
    run.script = "at 2 tap Enter\nat 5 tap Enter\nidle tap Space\nat 12 tap Space\n";
    run.frameLimit = 40;
    auto result = RunScreen(run);
    EXPECT_EQ(result.end, End::FrameLimit) << result.message;
    EXPECT_TRUE(Started("Music1menu-loop"));
    EXPECT_FALSE(Started("Music2ingame1-loop"));
    EXPECT_EQ(shell::TuneIndex, 2);
    EXPECT_EQ(shell::MenuChoice, 0);
}

TEST(PlayFromTheMenu, WithMusicOffNoTuneStartsAndTheTuneIndexStays) {
    ScreenRun run;
    run.script = "at 2 tap Enter\nat 5 tap Enter\nidle tap Space\nat 12 tap Space\n";
    run.frameLimit = 40;
    run.setup = [] { services::MusicOn = 0; };
    RunScreen(run);
    EXPECT_FALSE(Started("Music1menu-loop"));
    EXPECT_FALSE(Started("Music2ingame1-loop"));
    EXPECT_EQ(shell::TuneIndex, 1);
}

TEST(TextScreens, EscapeLeavesTheInstructionsWithoutOpeningTheQuitDialog) {
    // INFO, Escape back to the menu, then Y: had the dialog opened, Y would
    // have left the program.
    ScreenRun run;
    run.script = "at 2 tap Enter\nat 6 tap Escape\nat 10 tap Y\n";
    run.frameLimit = 20;
    run.setup = [] { shell::MenuChoice = 1; };
    auto result = RunScreen(run);
    EXPECT_EQ(result.end, End::FrameLimit) << result.message;
    EXPECT_EQ(shell::MenuChoice, 1);
}

TEST(TextScreens, LeaveOnAnyTableKeyTheCloseRequestOrTheMenuButton) {
    // Keys and the close request are read after the frame; the click on the
    // button while the next frame is drawn.
    struct Case {
        std::string script;
        int frames;
    };
    const Case cases[] = {
        {"at 3 tap A\n", 3},
        {"at 3 tap LCtrl\n", 3},
        {"at 3 close\n", 3},
        {"at 2 move 830 30\nat 3 click 1\n", 4},
    };
    for (auto screen : {shell::ShowInstructions, shell::ShowCredits}) {
        for (const Case& c : cases) {
            ScreenRun run;
            run.script = c.script;
            run.frameLimit = 20;
            run.screen = screen;
            auto result = RunScreen(run);
            EXPECT_EQ(result.end, End::ProgramEnded) << c.script << result.message;
            EXPECT_EQ(result.frames, c.frames) << c.script;
            EXPECT_TRUE(Started("BlipSND")) << c.script;
        }
    }
}

TEST(TextScreens, AKeyOutsideTheTableDoesNotLeave) {
    ScreenRun run;
    run.script = "at 3 tap 187\nat 4 move 10 10\nat 5 click 1\n";
    run.frameLimit = 20;
    run.screen = shell::ShowInstructions;
    EXPECT_EQ(RunScreen(run).end, End::FrameLimit);
}

}  // namespace
