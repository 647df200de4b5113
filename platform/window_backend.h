// The window back end: an SDL window with an accelerated renderer (software
// when there is none) on a 1024 by 768 logical surface, real time, and the
// keyboard and mouse.
#pragma once

#include <array>
#include <optional>

#include "platform/backend.h"

struct SDL_Window;
struct SDL_Keysym;
struct SDL_Texture;

namespace platform {

class WindowBackend : public Backend {
public:
    ~WindowBackend() override;

    void SetCaption(const std::string& caption) override;
    SDL_Renderer* Open(int width, int height, bool fullScreen) override;
    bool Paces() const override { return !syncedToDisplay_; }
    bool IsHeadless() const override { return false; }
    void Present() override;
    void PumpEvents(InputState& input) override;
    void BeforeClearKeys(InputState& input) override { PumpEvents(input); }
    void WarpPointer(int x, int y) override;
    void SetIcon(const Pixels& icon) override;
    Date Today() override;
    void Close() override;

    std::int64_t NowMs() override;
    void SleepMs(int ms) override;

private:
    void DestroyWindow();
    void PollEvents(InputState& input);
    // The first opening failed: throws FatalError saying why.
    [[noreturn]] void CannotOpen();
    // Key codes of key events; a release gets the code its press had.
    int PressedCode(const SDL_Keysym& key);
    int ReleasedCode(const SDL_Keysym& key);
    // Runs `work` with the window itself as the render target, where the
    // renderer maps pointer positions to the surface.
    template <typename Work>
    void OnWindowTarget(Work work);

    std::string caption_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* canvas_ = nullptr;  // the surface the game draws on; it keeps its pixels
    bool syncedToDisplay_ = false;
    SyncWatch syncWatch_;
    int pollsSinceFrame_ = 0;                                    // input polls since the last Present
    static constexpr int kScancodes = 512;                       // SDL_NUM_SCANCODES
    std::array<std::optional<int>, kScancodes> pressedCodes_{};  // of the keys down, by scancode
};

}  // namespace platform
