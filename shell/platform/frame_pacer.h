// Software pacing of ShowFrame at 60 frames per second: frames of 16, 17 and
// 17 ms so that 60 take exactly 1000 ms, and no catch-up after a slow frame.
#pragma once

#include <cstdint>

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
    static constexpr int kFps = 60;
    static constexpr int kWholeMs = 1000 / kFps;               // 16
    static constexpr int kRemainder = 1000 - kWholeMs * kFps;  // 40
    std::int64_t targetMs_ = 0;
    int accumulator_ = 0;
};

}  // namespace platform
