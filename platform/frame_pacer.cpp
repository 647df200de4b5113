// Frame pacing.
#include "platform/frame_pacer.h"

namespace platform {

void FramePacer::Start(std::int64_t nowMs) {
    targetMs_ = nowMs;
    accumulator_ = 0;
}

void FramePacer::Wait(Clock& clock) {
    targetMs_ += kWholeMs;
    accumulator_ += kRemainder;
    if (accumulator_ >= kFps) {
        accumulator_ -= kFps;
        ++targetMs_;
    }
    std::int64_t now = clock.NowMs();
    std::int64_t wait = targetMs_ - now;
    if (wait > 0)
        clock.SleepMs(static_cast<int>(wait));
    else
        targetMs_ = now;
}

bool SyncWatch::FrameShown(std::int64_t nowMs) {
    if (framesInRun_ == 0) runStartMs_ = nowMs;
    if (framesInRun_++ < kRunFrames) return true;
    framesInRun_ = 0;
    return nowMs - runStartMs_ >= kShortestRunMs;
}

}  // namespace platform
