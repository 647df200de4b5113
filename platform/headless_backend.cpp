// The headless back end.
#include "platform/headless_backend.h"

#include <SDL.h>

namespace platform {

HeadlessBackend::HeadlessBackend(HeadlessConfig config)
    : config_(std::move(config)), nowMs_(config_.startMs), lastFrameMs_(config_.startMs) {}

HeadlessBackend::~HeadlessBackend() {
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (surface_) SDL_FreeSurface(surface_);
}

SDL_Renderer* HeadlessBackend::Open(int width, int height, bool fullScreen) {
    fullScreen_ = fullScreen;
    if (renderer_) return renderer_;
    // The software renderer needs no video subsystem and no display.
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface_) renderer_ = SDL_CreateSoftwareRenderer(surface_);
    return renderer_;
}

void HeadlessBackend::Present() {
    if (renderer_) SDL_RenderPresent(renderer_);
    if (config_.captures.count(frame_) && config_.onCapture) config_.onCapture(frame_, Capture());
    ++frame_;
    pollsSinceFrame_ = 0;
    pollsSinceMark_ = 0;
    lastFrameMs_ = nowMs_;
    if (config_.frameLimit > 0 && frame_ >= config_.frameLimit)
        throw RunStopped{RunStopped::Reason::FrameLimit,
                         "frame limit of " + std::to_string(config_.frameLimit) + " frames reached"};
}

bool HeadlessBackend::StepIsDue(const ScriptStep& step) const {
    switch (step.when) {
        case ScriptStep::When::AtFrame:
            return frame_ >= step.frames;
        case ScriptStep::When::AfterFrames:
            return frame_ >= lastStepFrame_ + step.frames;
        case ScriptStep::When::Idle:
            return pollsSinceMark_ >= kIdlePolls;
    }
    return false;
}

void HeadlessBackend::Apply(const ScriptStep& step, InputState& input) {
    using A = ScriptStep::Action;
    switch (step.action) {
        case A::Press:
            input.KeyPressed(step.a, false);
            break;
        case A::Release:
            input.KeyReleased(step.a);
            break;
        case A::Tap:
            input.KeyPressed(step.a, false);
            input.KeyReleased(step.a);
            break;
        case A::Move:
            input.PointerMoved(step.a, step.b);
            break;
        case A::Click:
            input.ButtonPressed(step.a);
            break;
        case A::Close:
            input.CloseClicked();
            break;
        case A::Focus:
            input.FocusChanged();
            break;
    }
}

void HeadlessBackend::PumpEvents(InputState& input) {
    ++pollsSinceMark_;
    ++pollsSinceFrame_;
    while (nextStep_ < config_.script.steps.size() && StepIsDue(config_.script.steps[nextStep_])) {
        Apply(config_.script.steps[nextStep_++], input);
        lastStepFrame_ = frame_;
        pollsSinceMark_ = 0;
    }
    if (pollsSinceFrame_ >= kStallPolls) Stall(std::to_string(kStallPolls) + " input queries");
}

void HeadlessBackend::SleepMs(int ms) {
    nowMs_ += ms;
    if (nowMs_ - lastFrameMs_ >= kStallMs) Stall(std::to_string(kStallMs / 1000) + " virtual seconds");
}

void HeadlessBackend::Stall(const std::string& why) const {
    std::string pending = nextStep_ < config_.script.steps.size()
                              ? "the next script step (line " +
                                    std::to_string(config_.script.steps[nextStep_].line) + ") is not due"
                              : "the script is used up";
    throw RunStopped{RunStopped::Reason::Stalled, "stalled after frame " + std::to_string(frame_) +
                                                      ": the game waited " + why +
                                                      " without drawing a frame and " + pending};
}

Pixels HeadlessBackend::Capture() const {
    Pixels picture;
    if (!surface_) return picture;
    SDL_RenderFlush(renderer_);  // drawing is batched until flushed
    picture.width = surface_->w;
    picture.height = surface_->h;
    picture.argb.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        auto* row =
            reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(surface_->pixels) +
                                                   static_cast<std::ptrdiff_t>(y) * surface_->pitch);
        for (int x = 0; x < picture.width; ++x) picture.At(x, y) = row[x] | 0xFF000000u;
    }
    return picture;
}

}  // namespace platform
