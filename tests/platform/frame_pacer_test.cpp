// Frame pacing on a fake clock.
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Time passes only by sleeping and by the work the test says a frame took.
struct FakeClock : platform::Clock {
    std::int64_t now = 5000;
    std::int64_t NowMs() override { return now; }
    void SleepMs(int ms) override { now += ms; }
};

TEST(FramePacer, SixtyFramesTakeOneSecondIn16And17msSteps) {
    FakeClock clock;
    platform::FramePacer pacer;
    pacer.Start(clock.now);
    std::vector<std::int64_t> lengths;
    for (int i = 0; i < 60; ++i) {
        std::int64_t before = clock.now;
        pacer.Wait(clock);
        lengths.push_back(clock.now - before);
    }
    EXPECT_EQ(clock.now, 6000);
    EXPECT_EQ(std::count(lengths.begin(), lengths.end(), 17), 40);
    EXPECT_EQ(std::count(lengths.begin(), lengths.end(), 16), 20);
    EXPECT_EQ((std::vector<std::int64_t>(lengths.begin(), lengths.begin() + 3)),
              (std::vector<std::int64_t>{16, 17, 17}));
}

TEST(FramePacer, NoBurstAfterASlowFrame) {
    FakeClock clock;
    platform::FramePacer pacer;
    pacer.Start(clock.now);
    pacer.Wait(clock);
    clock.now += 100;  // a slow frame
    pacer.Wait(clock);
    for (int i = 0; i < 5; ++i) {
        std::int64_t before = clock.now;
        pacer.Wait(clock);
        std::int64_t length = clock.now - before;
        EXPECT_TRUE(length == 16 || length == 17) << "frame " << i << " after the slow one took " << length;
    }
}

// Presents every `stepMs` until the watch gives up on the sync, or `frames` passed.
int FramesUntilSyncDropped(int stepMs, int frames) {
    platform::SyncWatch watch;
    watch.Start();
    std::int64_t now = 1000;
    for (int frame = 1; frame <= frames; ++frame, now += stepMs)
        if (!watch.FrameShown(now)) return frame;
    return 0;
}

TEST(SyncWatch, KeepsARealSixtyHertzSyncAndDropsOneThatIsIgnored) {
    EXPECT_EQ(FramesUntilSyncDropped(17, 600), 0) << "frames at 60 Hz";
    EXPECT_EQ(FramesUntilSyncDropped(40, 600), 0) << "slow frames";
    EXPECT_EQ(FramesUntilSyncDropped(2, 600), 31) << "a sync that waits for nothing";
    EXPECT_EQ(FramesUntilSyncDropped(8, 600), 31) << "a 120 Hz sync";
}

}  // namespace
