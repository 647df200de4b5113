// The headless back end: virtual time, scripted input at frames and in waits
// that draw no frames, and runs that cannot hang.
#include "platform/headless_backend.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/platform.h"
#include "platform/state_registry.h"

namespace {

using platform::RunStopped;

class HeadlessTest : public ::testing::Test {
protected:
    void Start(const std::string& script, int frameLimit = 0, std::int64_t startMs = 0) {
        platform::ResetAllState();
        platform::HeadlessConfig config;
        std::string error;
        ASSERT_TRUE(platform::ParseInputScript(script, config.script, error)) << error;
        config.frameLimit = frameLimit;
        config.startMs = startMs;
        auto backend = std::make_unique<platform::HeadlessBackend>(std::move(config));
        headless = backend.get();
        platform::InstallBackend(std::move(backend));
        platform::OpenScreen(8, 8, false, 60);
    }
    void TearDown() override { platform::InstallBackend(nullptr); }

    platform::HeadlessBackend* headless = nullptr;
};

TEST_F(HeadlessTest, VirtualClockMovesOnlyByPacingAndWaits) {
    Start("", 0, 777);
    EXPECT_EQ(platform::ClockMs(), 777);
    for (int i = 0; i < 60; ++i) platform::ShowFrame();
    EXPECT_EQ(platform::ClockMs(), 1777);
    platform::WaitMs(150);
    platform::WaitMs(-5);
    EXPECT_EQ(platform::ClockMs(), 1927);
}

TEST_F(HeadlessTest, StepsApplyAtTheirFrames) {
    Start(
        "at 2 press Left\nafter 2 release Left\nat 5 tap Escape\nat 5 move 100 200\nat 5 click 1\nat 6 "
        "close\n");
    std::vector<bool> held;
    for (int frame = 0; frame < 5; ++frame) {
        held.push_back(platform::KeyIsDown(37));
        platform::ShowFrame();
    }
    EXPECT_EQ(held, (std::vector<bool>{false, false, true, true, false}));
    EXPECT_EQ(platform::KeyHitCount(27), 1);
    EXPECT_FALSE(platform::KeyIsDown(27));
    EXPECT_EQ(platform::PointerX(), 100);
    EXPECT_EQ(platform::PointerY(), 200);
    EXPECT_EQ(platform::PointerClicks(1), 1);
    EXPECT_FALSE(platform::CloseRequested());
    platform::ShowFrame();
    EXPECT_TRUE(platform::CloseRequested());
    EXPECT_FALSE(platform::CloseRequested());
}

// A wait like the game's key scans: polls in a tight loop without frames.
int WaitForKey(std::initializer_list<int> keys) {
    for (;;)
        for (int key : keys)
            if (platform::KeyHitCount(key) > 0) return key;
}

TEST_F(HeadlessTest, IdleStepsAnswerWaitsThatDrawNoFrames) {
    Start("idle tap Enter\nidle tap A\n");
    platform::ShowFrame();
    EXPECT_EQ(WaitForKey({13, 65}), 13);
    platform::ClearKeys();
    EXPECT_EQ(WaitForKey({13, 65}), 65);
    EXPECT_EQ(headless->FramesShown(), 1);
}

TEST_F(HeadlessTest, IdleStepsWaitThroughFrameLoops) {
    Start("idle tap Space\n");
    for (int frame = 0; frame < 100; ++frame) {
        for (int i = 0; i < 300; ++i) ASSERT_EQ(platform::KeyHitCount(32), 0) << "frame " << frame;
        platform::ShowFrame();
    }
    EXPECT_EQ(WaitForKey({32}), 32);
}

TEST_F(HeadlessTest, AWaitWithNothingLeftInTheScriptStalls) {
    Start("at 1 tap Enter\n");
    platform::ShowFrame();
    EXPECT_EQ(WaitForKey({13}), 13);
    try {
        WaitForKey({13});
        FAIL() << "the wait should have been stopped";
    } catch (const RunStopped& stop) {
        EXPECT_EQ(stop.reason, RunStopped::Reason::Stalled);
        EXPECT_NE(std::string(stop.what()).find("script is used up"), std::string::npos) << stop.what();
    }
}

TEST_F(HeadlessTest, WaitingOnTheClockAloneStallsToo) {
    Start("");
    EXPECT_THROW(for (;;) platform::WaitMs(100), RunStopped);
}

TEST_F(HeadlessTest, FrameLimitStopsTheRun) {
    Start("", 3);
    platform::ShowFrame();
    platform::ShowFrame();
    try {
        platform::ShowFrame();
        FAIL() << "the third frame should end the run";
    } catch (const RunStopped& stop) {
        EXPECT_EQ(stop.reason, RunStopped::Reason::FrameLimit);
    }
    EXPECT_EQ(headless->FramesShown(), 3);
}

// The game's catch-alls for its own errors (files, parsing, the network)
// must not swallow the run's stops and play on past the frame limit.
TEST_F(HeadlessTest, TheStopsPassThroughACatchOfStdException) {
    Start("", 1);
    int swallowed = 0;
    auto guarded = [&](auto work) {
        try {
            work();
        } catch (const std::exception&) {
            ++swallowed;
        }
    };
    EXPECT_THROW(guarded([] { platform::ShowFrame(); }), RunStopped);
    EXPECT_THROW(guarded([] { platform::EndProgram(); }), platform::ProgramEnd);
    EXPECT_EQ(swallowed, 0);
}

TEST_F(HeadlessTest, ClearKeysClearsAppliedStepsButNotPendingOnes) {
    Start("at 1 tap Enter\nat 1 tap Space\n");
    platform::ShowFrame();
    platform::ClearKeys();
    EXPECT_EQ(platform::KeyHitCount(13), 1) << "a step due but not yet applied comes after the clear";
    platform::ClearKeys();
    EXPECT_EQ(platform::KeyHitCount(32), 0);
}

TEST_F(HeadlessTest, FullScreenCentresThePointer) {
    Start("");
    platform::OpenScreen(1024, 768, true, 60);
    EXPECT_EQ(platform::PointerX(), 512);
    EXPECT_EQ(platform::PointerY(), 384);
    EXPECT_TRUE(headless->FullScreen());
}

struct BadLine {
    const char* script;
    const char* problem;
};

TEST(InputScript, RejectsLinesItCannotRead) {
    const BadLine cases[] = {
        {"at x tap A", "frame count"},    {"soon tap A", "starts with"},  {"at 1 jump", "unknown action"},
        {"at 1 tap Nope", "unknown key"}, {"at 1 move 3", "takes 2"},     {"idle click 4", "button"},
        {"at 1", "missing action"},       {"at -1 tap A", "frame count"},
    };
    for (const auto& c : cases) {
        platform::InputScript script;
        std::string error;
        EXPECT_FALSE(platform::ParseInputScript(std::string("# fine\n\n") + c.script, script, error))
            << c.script;
        EXPECT_NE(error.find("line 3"), std::string::npos) << error;
        EXPECT_NE(error.find(c.problem), std::string::npos) << error;
    }
}

TEST(InputScript, KeyNamesLettersDigitsAndCodes) {
    EXPECT_EQ(platform::ScriptKeyCode("Escape"), 27);
    EXPECT_EQ(platform::ScriptKeyCode("LCtrl"), 162);
    EXPECT_EQ(platform::ScriptKeyCode("Q"), 81);
    EXPECT_EQ(platform::ScriptKeyCode("7"), 55);
    EXPECT_EQ(platform::ScriptKeyCode("107"), 107);
    EXPECT_EQ(platform::ScriptKeyCode("256"), -1);
    EXPECT_EQ(platform::ScriptKeyCode("q"), -1);
}

}  // namespace
