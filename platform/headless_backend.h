// The headless back end: software rendering into memory, a virtual clock that
// only ShowFrame pacing and WaitMs move (it never sleeps), input from a script,
// and capture of chosen frames. A run is cut short by throwing RunStopped.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "platform/backend.h"
#include "platform/input_script.h"

struct SDL_Surface;

namespace platform {

struct HeadlessConfig {
    std::int64_t startMs = 0;  // the virtual clock at the start
    InputScript script;
    int frameLimit = 0;      // stop after this many frames; 0 for no limit
    std::set<int> captures;  // frame numbers, 0 the first frame shown
    std::function<void(int frame, Pixels picture)> onCapture;
    Date today{24, 12, 2026};  // what TodayText answers
};

// Why a headless run was cut short before the program ended. Deliberately
// not a std::exception: the game's own `catch (const std::exception&)` blocks
// must not swallow it and run on past the frame limit.
struct RunStopped {
    enum class Reason { FrameLimit, Stalled };
    Reason reason;
    std::string message;
    const char* what() const noexcept { return message.c_str(); }
};

class HeadlessBackend : public Backend {
public:
    // Input queries in a row without a frame after which the game counts as
    // waiting for input that draws no frames; "idle" steps apply then.
    static constexpr int kIdlePolls = 1000;
    // Queries without a frame, or virtual milliseconds, after which a run with
    // nothing left to feed the wait is stopped as stalled.
    static constexpr int kStallPolls = 200000;
    static constexpr std::int64_t kStallMs = 600000;

    explicit HeadlessBackend(HeadlessConfig config);
    ~HeadlessBackend() override;

    void SetCaption(const std::string& caption) override { caption_ = caption; }
    SDL_Renderer* Open(int width, int height, bool fullScreen) override;
    bool Paces() const override { return true; }
    bool IsHeadless() const override { return true; }
    void Present() override;
    void PumpEvents(InputState& input) override;
    // Script steps not yet applied stay pending: they come after the clear.
    void BeforeClearKeys(InputState&) override { pollsSinceMark_ = 0; }
    void WarpPointer(int, int) override {}
    void SetIcon(const Pixels& icon) override { icon_ = icon; }
    Date Today() override { return config_.today; }
    // The surface stays until the back end goes: the run's result reads it.
    void Close() override {}

    std::int64_t NowMs() override { return nowMs_; }
    void SleepMs(int ms) override;

    int FramesShown() const { return frame_; }
    const std::string& Caption() const { return caption_; }
    const Pixels& Icon() const { return icon_; }
    bool FullScreen() const { return fullScreen_; }
    // The back buffer as it is now.
    Pixels Capture() const;

private:
    bool StepIsDue(const ScriptStep& step) const;
    void Apply(const ScriptStep& step, InputState& input);
    [[noreturn]] void Stall(const std::string& why) const;

    HeadlessConfig config_;
    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::string caption_;
    Pixels icon_;
    bool fullScreen_ = false;
    std::int64_t nowMs_;
    int frame_ = 0;
    std::size_t nextStep_ = 0;
    int lastStepFrame_ = 0;   // the frame at which the previous step was applied
    int pollsSinceMark_ = 0;  // since the last frame, ClearKeys or applied step
    int pollsSinceFrame_ = 0;
    std::int64_t lastFrameMs_;
};

}  // namespace platform
