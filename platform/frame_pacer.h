// Software pacing of ShowFrame at 60 frames per second: frames of 16, 17 and
// 17 ms so that 60 take exactly 1000 ms, and no catch-up after a slow frame.
#pragma once

#include <cstdint>

#include "platform/screen.h"

namespace platform {

// The clock the pacer waits on: real time in a window, virtual time headless.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() = 0;
    virtual void SleepMs(int ms) = 0;
};

class FramePacer {
public:
    // When the screen is opened: the next frame ends one frame length from now.
    void Start(std::int64_t nowMs);
    // At the end of a frame: sleeps until the frame's target time, or, when the
    // frame ran late, takes now as the new target.
    void Wait(Clock& clock);

private:
    static constexpr int kFps = kFramesPerSecond;
    static constexpr int kWholeMs = 1000 / kFps;               // 16
    static constexpr int kRemainder = 1000 - kWholeMs * kFps;  // 40
    std::int64_t targetMs_ = 0;
    int accumulator_ = 0;
};

// Full screen paces by vertical sync, but some drivers and desktops ignore the
// sync asked for and let frames through as fast as they are drawn, which would
// speed up the whole game. The watch times runs of synced frames: a run of 30
// that takes less than 420 ms (60 Hz gives 500) means the sync is not there.
class SyncWatch {
public:
    // When vertical sync has been switched on.
    void Start() { framesInRun_ = 0; }
    // After each synced present; false once a run came too fast.
    bool FrameShown(std::int64_t nowMs);

private:
    static constexpr int kRunFrames = 30;
    static constexpr std::int64_t kShortestRunMs = kRunFrames * 14;
    int framesInRun_ = 0;
    std::int64_t runStartMs_ = 0;
};

}  // namespace platform
