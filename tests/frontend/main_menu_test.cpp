// Scenario tests of the main menu: highlight by keys and pointer, activation,
// the quit dialog, the close request, the version notice and the tunes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "front_end_run.h"
#include "services/settings_values.h"
#include "services/sound.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"

namespace {

using End = shell::HeadlessResult::End;
using frontend_test::RunScreen;
using frontend_test::ScreenRun;
using frontend_test::Started;

// Runs the main menu for `frames` frames with the script.
shell::HeadlessResult RunMenu(const std::string& script, int frames, std::function<void()> setup = {}) {
    ScreenRun run;
    run.script = script;
    run.frameLimit = frames;
    run.setup = std::move(setup);
    return RunScreen(run);
}

TEST(MainMenu, KeysMoveTheHighlightWithWrapAround) {
    struct Case {
        std::string script;
        int choice;
    };
    const Case cases[] = {
        {"at 2 tap Down\n", 1},
        {"at 2 tap Right\n", 1},
        {"at 2 tap Up\n", 5},
        {"at 2 tap Left\n", 5},
        {"at 2 tap Down\nat 3 tap Down\nat 4 tap Down\nat 5 tap Down\nat 6 tap Down\nat 7 tap Down\n", 0},
        {"at 2 tap Up\nat 3 tap Up\nat 4 tap Right\n", 5},
    };
    for (const Case& c : cases) {
        auto result = RunMenu(c.script, 12);
        EXPECT_EQ(result.end, End::FrameLimit) << result.message;
        EXPECT_EQ(shell::MenuChoice, c.choice) << c.script;
        EXPECT_TRUE(Started("BlipSND")) << c.script;
    }
}

TEST(MainMenu, PointerSelectsWhenItMovesAndARestingPointerDoesNotBlockTheKeys) {
    struct Case {
        std::string script;
        int choice;
    };
    const Case cases[] = {
        // Onto INFO, then the keys move on from the pointer's choice and stay there.
        {"at 2 move 800 580\nat 5 tap Down\n", 2},
        // Onto the close button and ONLINE SCORES, edges included.
        {"at 2 move 924 478\n", 5},
        {"at 2 move 962 768\n", 4},
        // A move within the item it rests on takes the highlight back.
        {"at 2 move 800 580\nat 5 tap Down\nat 8 move 801 580\n", 1},
        // Off every item the pointer selects nothing.
        {"at 2 tap Down\nat 3 tap Down\nat 5 move 10 10\n", 2},
    };
    for (const Case& c : cases) {
        RunMenu(c.script, 20);
        EXPECT_EQ(shell::MenuChoice, c.choice) << c.script;
    }
}

TEST(MainMenu, APointerRestingOnAnItemAtEntrySelectsNothing) {
    // The pointer already lies on CREDITS when the menu starts (as after a
    // sub-screen): the highlight stays where the menu had it.
    auto result = RunMenu("at 0 move 800 660\n", 10);
    EXPECT_EQ(shell::MenuChoice, 0);
    EXPECT_FALSE(Started("BlipSND"));
}

TEST(MainMenu, AClickOutsideThePanelActivatesSilentlyInsideItClicks) {
    struct Case {
        int x, y;
        bool blip;
    };
    const Case cases[] = {{10, 10, false}, {580, 530, true}};
    for (const Case& c : cases) {
        // CREDITS highlighted; the click opens the credits screen, which then
        // runs until the frame limit.
        std::string script =
            "at 2 move " + std::to_string(c.x) + " " + std::to_string(c.y) + "\nat 3 click 1\n";
        auto result = RunMenu(script, 12, [] { shell::MenuChoice = 3; });
        EXPECT_EQ(result.end, End::FrameLimit) << result.message;
        EXPECT_EQ(shell::MenuChoice, 3);
        EXPECT_EQ(Started("BlipSND"), c.blip) << c.x << "," << c.y;
    }
}

TEST(MainMenu, EscapeAsksAndTheAnswerDecides) {
    struct Case {
        std::string answer;
        bool leaves;
        bool redefined = false;  // left and right on A and D
    };
    const Case cases[] = {
        {"at 4 tap Y\n", true},
        {"at 4 tap Right\n", true},
        {"at 4 tap Enter\n", true},
        {"at 4 tap N\n", false},
        {"at 4 tap Escape\n", false},
        {"at 4 tap Left\n", false},
        {"at 4 press Y\nat 4 press N\n", false},  // yes and no together answer no
        {"at 4 tap D\n", true, true},
        {"at 4 tap A\n", false, true},
        {"at 4 tap Right\n", true, true},  // the cursor keys answer all the same
    };
    for (const Case& c : cases) {
        auto result = RunMenu("at 2 tap Escape\n" + c.answer, 30, [&] {
            if (!c.redefined) return;
            services::KeyLeft = 65;
            services::KeyRight = 68;
        });
        EXPECT_EQ(result.end, c.leaves ? End::ProgramEnded : End::FrameLimit) << c.answer << result.message;
        EXPECT_EQ(Started("Poof"), c.leaves) << c.answer;
    }
}

// Headless sound keeps time with the virtual clock: the one-second pause on
// leaving outlasts the 0.82 s poof, which has ended by itself by then.
TEST(MainMenu, ThePoofHasEndedWhenTheMenuReturns) {
    int poofAfterMenu = -1;
    ScreenRun run;
    run.script = "at 2 tap Escape\nat 4 tap Y\n";
    run.frameLimit = 30;
    run.screen = [&] {
        shell::RunMainMenu();
        poofAfterMenu = services::Sound::IsPlaying("Poof");
    };
    auto result = RunScreen(run);
    EXPECT_EQ(result.end, End::ProgramEnded) << result.message;
    EXPECT_TRUE(Started("Poof"));
    EXPECT_EQ(poofAfterMenu, 0);
}

TEST(MainMenu, TheCloseButtonAsksToo) {
    auto stays = RunMenu("at 2 tap Enter\nat 4 tap N\n", 30, [] { shell::MenuChoice = 5; });
    EXPECT_EQ(stays.end, End::FrameLimit) << stays.message;
    auto leaves = RunMenu("at 2 move 940 500\nat 3 click 1\nat 5 tap Y\n", 30);
    EXPECT_EQ(leaves.end, End::ProgramEnded) << leaves.message;
}

TEST(MainMenu, TheCloseRequestLeavesWithoutTheDialog) {
    // The request comes after five frames and is read at the end of the fifth.
    auto result = RunMenu("at 5 close\n", 100);
    // The program's shut-down follows the menu's return at once.
    EXPECT_EQ(result.end, End::ProgramEnded) << result.message;
    EXPECT_EQ(result.frames, 5);
    EXPECT_TRUE(Started("Poof"));
}

TEST(MainMenu, TheCloseRequestIsIgnoredWhileTheQuitDialogAsks) {
    // The dialog does not read it; the menu does right after a "no".
    auto result = RunMenu("at 2 tap Escape\nat 4 close\nat 8 tap N\n", 100);
    EXPECT_EQ(result.end, End::ProgramEnded) << result.message;
    EXPECT_EQ(result.frames, 9);
}

TEST(MainMenu, TheMenuTunePlaysOnlyWithMusicOn) {
    RunMenu("", 3);
    EXPECT_TRUE(Started("Music1menu-loop"));
    RunMenu("", 3, [] { services::MusicOn = 0; });
    EXPECT_FALSE(Started("Music1menu-loop"));
}

TEST(MainMenu, EffectsStaySilentWithSoundOff) {
    RunMenu("at 2 tap Down\nat 3 tap Escape\nat 5 tap Y\n", 30, [] { services::SoundOn = 0; });
    EXPECT_FALSE(Started("BlipSND"));
    EXPECT_FALSE(Started("Poof"));
}

// With a newer version known, the bottom line shows the notice from the 61st
// frame for 61 frames, then the credit line for 60, and clicks on the
// notice's fourth frame.
TEST(MainMenu, VersionNoticeShowsFor61FramesWithTheBlipOnItsFourth) {
    auto withNotice = [] {
        shell::VersionNotice.flag = 1;
        shell::VersionNotice.line1 = "new version (v1.2) is";
        shell::VersionNotice.line2 = "available from website.";
    };
    const std::vector<int> frames = {59, 60, 120, 121, 180, 181};
    const std::vector<bool> notice = {false, true, true, false, false, true};
    ScreenRun run;
    run.frameLimit = 182;
    run.captures = frames;
    run.setup = withNotice;
    auto shown = RunScreen(run);
    run.setup = {};
    auto plain = RunScreen(run);
    // The notice's first line lies in row 36, where the credit line never is.
    auto rowDiffers = [&](int frame) {
        const auto& a = shown.frameCaptures.at(frame);
        const auto& b = plain.frameCaptures.at(frame);
        for (int y = 720; y < 740; ++y)
            for (int x = 0; x < 1024; ++x)
                if (a.At(x, y) != b.At(x, y)) return true;
        return false;
    };
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(rowDiffers(frames[i]), notice[i]) << "frame " << frames[i];

    for (int limit : {63, 64}) {
        run.frameLimit = limit;
        run.setup = withNotice;
        run.captures = {};
        RunScreen(run);
        EXPECT_EQ(Started("BlipSND"), limit == 64) << "after " << limit << " frames";
    }
}

// The face changes every 241 frames: first shown narrowed in frame 241.
TEST(MainMenu, TheFaceSwitchesEvery241Frames) {
    ScreenRun run;
    run.captures = {239, 240, 241, 481, 482};
    run.frameLimit = 483;
    auto result = RunScreen(run);
    auto face = [&](int frame) {
        const auto& f = result.frameCaptures.at(frame);
        std::vector<std::uint32_t> pixels;
        for (int y = 313; y < 313 + 96; ++y)
            for (int x = 175; x < 175 + 90; ++x) pixels.push_back(f.At(x, y));
        return pixels;
    };
    EXPECT_EQ(face(239), face(240));
    EXPECT_NE(face(240), face(241));
    EXPECT_EQ(face(241), face(481));
    EXPECT_EQ(face(240), face(482)) << "and back after another 241";
}

TEST(MainMenu, NoNoticeKeepsTheTickAtZero) {
    RunMenu("", 70);
    EXPECT_EQ(shell::NoticeTick, 0);
    EXPECT_FALSE(Started("BlipSND"));
}

}  // namespace
