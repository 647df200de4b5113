// Headless runs of the real program and of small programs on the layer.
#include "shell/headless_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "platform/state_registry.h"
#include "shell/startup.h"
#include "tests/temp_path.h"
#include "world/game_progress.h"

namespace {

namespace fs = std::filesystem;
using End = shell::HeadlessResult::End;

// A run that a fault cannot keep going for long.
shell::HeadlessRun Short() {
    shell::HeadlessRun run;
    run.frameLimit = 200;
    return run;
}

class HeadlessRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = testing_support::TempPathForThisTest("headless");
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(HeadlessRunTest, TheProgramShowsItsFirstFrameAndLeavesOnEscape) {
    shell::HeadlessRun run = Short();
    run.script = "at 3 tap Escape\nat 4 tap Y\n";
    run.captures = {0};
    run.captureDir = dir.string();
    shell::HeadlessResult result = shell::RunHeadless(run);
    EXPECT_EQ(result.end, End::ProgramEnded) << result.message;
    EXPECT_EQ(result.ExitCode(), 0);
    EXPECT_EQ(result.frames, 5) << "Escape in frame 3, the dialog's frame, Y, the menu's last frame";

    ASSERT_TRUE(fs::exists(dir / "frame-000000.png"));
    ASSERT_EQ(result.frameCaptures.count(0), 1u);
    EXPECT_EQ(result.frameCaptures.at(0).width, 1024);
    EXPECT_EQ(result.frameCaptures.at(0).height, 768);
    EXPECT_EQ(shell::DumpValue(result.dump, "GameVersion"), "1.1");
    EXPECT_EQ(shell::DumpValue(result.dump, "PlayerName"), "player1");
    EXPECT_EQ(shell::DumpValue(result.dump, "KeyFire"), "162");
    EXPECT_EQ(shell::DumpValue(result.dump, "Difficulty"), "2");
    EXPECT_EQ(shell::DumpValue(result.dump, "Score"), "0");
    EXPECT_EQ(shell::DumpValue(result.dump, "Scor"), std::nullopt);
}

TEST_F(HeadlessRunTest, TheCloseRequestLeavesTheMainScreen) {
    shell::HeadlessRun run = Short();
    run.script = "at 2 close\n";
    shell::HeadlessResult result = shell::RunHeadless(run);
    EXPECT_EQ(result.end, End::ProgramEnded) << result.message;
    EXPECT_EQ(result.frames, 2);
}

TEST_F(HeadlessRunTest, StartUpCaptionsTheWindowSetsTheIconAndSeedsFromTheClock) {
    std::string caption;
    int iconWidth = 0;
    auto randomStateAfter = [&](int seed) {
        std::uint32_t randomState = 0;
        shell::HeadlessRun run = Short();
        run.seed = seed;
        run.script = "at 0 tap Escape\nat 1 tap Y\n";
        run.program = [&] {
            auto& headless = static_cast<platform::HeadlessBackend&>(platform::CurrentBackend());
            EXPECT_EQ(shell::RunProgram(), 0);
            caption = headless.Caption();
            iconWidth = headless.Icon().width;
            randomState = platform::RandomState();
        };
        EXPECT_EQ(shell::RunHeadless(run).end, End::ProgramEnded);
        return randomState;
    };
    // The menu draws from the generator every frame, so the state at the end
    // follows from the seed alone: the same seed gives the same state.
    std::uint32_t first = randomStateAfter(4242);
    EXPECT_EQ(randomStateAfter(4242), first);
    EXPECT_NE(randomStateAfter(4243), first);
    EXPECT_EQ(caption, "Snatchkin: The Yule Caper - v1.1");
    EXPECT_EQ(iconWidth, 64);
}

TEST_F(HeadlessRunTest, FrameLimitEndsTheRunCleanly) {
    shell::HeadlessRun run = Short();
    run.frameLimit = 10;
    shell::HeadlessResult result = shell::RunHeadless(run);
    EXPECT_EQ(result.end, End::FrameLimit);
    EXPECT_EQ(result.ExitCode(), 0);
    EXPECT_EQ(result.frames, 10);
    EXPECT_NE(result.message.find("frame limit"), std::string::npos) << result.message;
}

TEST_F(HeadlessRunTest, AKeyWaitWithTheScriptUsedUpStallsWithAnError) {
    shell::HeadlessRun run = Short();
    run.script = "idle tap Enter\n";
    run.program = [] {
        platform::ShowFrame();
        for (int waits = 0; waits < 2; ++waits) {
            while (platform::KeyHitCount(13) == 0) {
            }
            world::Score += 100;
        }
    };
    shell::HeadlessResult result = shell::RunHeadless(run);
    EXPECT_EQ(result.end, End::Stalled);
    EXPECT_EQ(result.ExitCode(), 1);
    EXPECT_NE(result.message.find("stalled after frame 1"), std::string::npos) << result.message;
    EXPECT_EQ(shell::DumpValue(result.dump, "Score"), "100") << "the dump is written for a stalled run too";
}

TEST_F(HeadlessRunTest, BadScriptsAndMissingDirectoriesFail) {
    shell::HeadlessRun run = Short();
    run.script = "at 1 jump\n";
    shell::HeadlessResult bad = shell::RunHeadless(run);
    EXPECT_EQ(bad.end, End::BadScript);
    EXPECT_NE(bad.ExitCode(), 0);
    run.script.clear();
    run.workDir = (dir / "missing").string();
    EXPECT_EQ(shell::RunHeadless(run).end, End::Failed);
}

TEST_F(HeadlessRunTest, RunsWorkInTheirDirectoryAndStartFromCleanState) {
    fs::path before = fs::current_path();
    shell::HeadlessRun run = Short();
    run.workDir = dir.string();
    run.program = [] {
        world::Score = 250;
        auto file = platform::OpenWriteFile("settings.dat");
        EXPECT_TRUE(platform::WriteTextLine(*file, "x"));
    };
    shell::HeadlessResult changed = shell::RunHeadless(run);
    EXPECT_EQ(changed.end, End::ProgramEnded) << changed.message;
    EXPECT_EQ(shell::DumpValue(changed.dump, "Score"), "250");
    EXPECT_TRUE(fs::exists(dir / "settings.dat"));
    EXPECT_EQ(fs::current_path(), before);

    shell::HeadlessRun plain = Short();
    plain.script = "at 0 close\n";
    EXPECT_EQ(shell::DumpValue(shell::RunHeadless(plain).dump, "Score"), "0");
}

TEST_F(HeadlessRunTest, SameSeedAndScriptGiveTheSameRun) {
    shell::HeadlessRun run = Short();
    run.seed = 99;
    run.script = "at 1 move 10 20\nat 2 click 1\nat 4 tap Escape\n";
    run.captures = {0, 3};
    shell::HeadlessResult a = shell::RunHeadless(run), b = shell::RunHeadless(run);
    EXPECT_EQ(a.dump, b.dump);
    EXPECT_EQ(a.frames, b.frames);
    ASSERT_EQ(a.frameCaptures.size(), 2u);
    EXPECT_EQ(a.frameCaptures.at(3).argb, b.frameCaptures.at(3).argb);
}

TEST(StateDump, ListsFollowTheValuesWithTheirObjectsFields) {
    static int registered = [] {
        platform::RegisterDumpList("testcarts", [] {
            return std::vector<platform::DumpFields>{{{"xpos", "84"}, {"ypos", "300"}}, {{"xpos", "1"}}};
        });
        return 0;
    }();
    (void)registered;
    std::string dump = platform::DumpState();
    auto lists =
        dump.find("testcarts.count=2\ntestcarts[0].xpos=84\ntestcarts[0].ypos=300\ntestcarts[1].xpos=1\n");
    EXPECT_NE(lists, std::string::npos) << dump;
    EXPECT_LT(dump.find("TuneName="), lists);
}

}  // namespace
