// The window back end.
#include "platform/window_backend.h"

#include <SDL.h>

#include <chrono>
#include <ctime>
#include <string>
#include <string_view>
#include <utility>

#include "platform/key_codes.h"
#include "platform/platform.h"

namespace platform {
namespace {

// SDL numbers the middle button 2 and the right one 3; the game the other way round.
int GameButton(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return 0;
    }
}

SDL_Renderer* CreateRenderer(SDL_Window* window) {
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    return renderer;
}

// Screens such as the dialogs draw over the frame shown before, but a
// window's back buffer holds undefined pixels after each present. The game
// therefore draws on a texture of its own that keeps its pixels, copied to
// the window at every present. Without target textures it draws on the
// window directly.
SDL_Texture* CreateCanvas(SDL_Renderer* renderer, int width, int height) {
    SDL_Texture* canvas =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
    if (!canvas) return nullptr;
    SDL_SetTextureBlendMode(canvas, SDL_BLENDMODE_NONE);
    if (SDL_SetRenderTarget(renderer, canvas) != 0) {
        SDL_DestroyTexture(canvas);
        return nullptr;
    }
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    return canvas;
}

// Key waits poll in a tight loop without drawing a frame. Past this many
// polls since the last frame, every kIdleEvery-th poll first waits up to
// kIdleWaitMs for an event to arrive, so that a "press any key" screen does not
// keep a processor core busy; a key press still ends such a wait at once.
constexpr int kBusyPolls = 5000;
constexpr int kIdleEvery = 64;
constexpr int kIdleWaitMs = 2;

// Without a display SDL falls back to drivers whose windows nobody can see.
bool ShowsOnADisplay() {
    std::string_view driver = SDL_GetCurrentVideoDriver();
    return driver != "offscreen" && driver != "dummy";
}

// Vertical sync paces the game only on a display that refreshes at 60 Hz.
bool DisplayRefreshesAt60(SDL_Window* window) {
    SDL_DisplayMode mode;
    if (SDL_GetWindowDisplayMode(window, &mode) != 0) return false;
    return mode.refresh_rate >= 59 && mode.refresh_rate <= 61;
}

}  // namespace

WindowBackend::~WindowBackend() { DestroyWindow(); }

void WindowBackend::DestroyWindow() {
    if (canvas_) SDL_DestroyTexture(canvas_);
    canvas_ = nullptr;
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    renderer_ = nullptr;
    window_ = nullptr;
}

void WindowBackend::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (window_) SDL_SetWindowTitle(window_, caption_.c_str());
}

SDL_Renderer* WindowBackend::Open(int width, int height, bool fullScreen) {
    if (!window_) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) CannotOpen();
        if (!ShowsOnADisplay()) {
            SDL_SetError("no display to show it on");
            CannotOpen();
        }
        window_ = SDL_CreateWindow(caption_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                   height, SDL_WINDOW_HIDDEN);
        if (!window_) CannotOpen();
        renderer_ = CreateRenderer(window_);
        if (!renderer_) CannotOpen();
        SDL_RenderSetLogicalSize(renderer_, width, height);
        canvas_ = CreateCanvas(renderer_, width, height);
        // The game reads keys, never typed text: no input method may take letters.
        SDL_StopTextInput();
    }
    // Full screen keeps the desktop's mode and scales the surface into it.
    SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;  // it may have been refused
    if (!full) SDL_SetWindowSize(window_, width, height);
    // Only a vertical sync the renderer accepted may replace the software pacer.
    bool wantSync = full && DisplayRefreshesAt60(window_);
    syncedToDisplay_ = SDL_RenderSetVSync(renderer_, wantSync ? 1 : 0) == 0 && wantSync;
    syncWatch_.Start();
    SDL_ShowWindow(window_);
    return renderer_;
}

// Without a window the game would run unseen, with no way to leave it but a
// signal; a player starting it from a menu would see nothing happen at all.
void WindowBackend::CannotOpen() {
    std::string why = SDL_GetError();
    DestroyWindow();
    throw FatalError("snatchkin: cannot open the game window: " + why);
}

template <typename Work>
void WindowBackend::OnWindowTarget(Work work) {
    if (canvas_) SDL_SetRenderTarget(renderer_, nullptr);
    work();
    if (canvas_) SDL_SetRenderTarget(renderer_, canvas_);
}

void WindowBackend::Present() {
    if (renderer_) {
        OnWindowTarget([this] {
            if (canvas_) {
                SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);  // the bars around a scaled surface
                SDL_RenderClear(renderer_);
                SDL_RenderCopy(renderer_, canvas_, nullptr, nullptr);
            }
            SDL_RenderPresent(renderer_);
        });
    }
    pollsSinceFrame_ = 0;
    if (syncedToDisplay_ && !syncWatch_.FrameShown(NowMs())) {
        SDL_RenderSetVSync(renderer_, 0);
        syncedToDisplay_ = false;  // ShowFrame paces in software from now on
    }
}

void WindowBackend::PumpEvents(InputState& input) {
    OnWindowTarget([&] { PollEvents(input); });
}

void WindowBackend::PollEvents(InputState& input) {
    if (++pollsSinceFrame_ >= kBusyPolls + kIdleEvery) {
        pollsSinceFrame_ = kBusyPolls;               // stays in range however long the wait lasts
        SDL_WaitEventTimeout(nullptr, kIdleWaitMs);  // leaves the event in the queue
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT:
                input.CloseClicked();
                break;
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                    event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
                    input.FocusChanged();
                break;
            case SDL_KEYDOWN:
                input.KeyPressed(PressedCode(event.key.keysym), event.key.repeat != 0);
                break;
            case SDL_KEYUP:
                input.KeyReleased(ReleasedCode(event.key.keysym));
                break;
            case SDL_MOUSEMOTION:  // already in surface pixels: the renderer scales mouse events
                input.PointerMoved(event.motion.x, event.motion.y);
                break;
            case SDL_MOUSEBUTTONDOWN:
                input.PointerMoved(event.button.x, event.button.y);
                input.ButtonPressed(GameButton(event.button.button));
                break;
            default:
                break;
        }
    }
}

int WindowBackend::PressedCode(const SDL_Keysym& key) {
    static_assert(kScancodes == SDL_NUM_SCANCODES);
    int code = KeyCodeOfKey(key.scancode, key.sym);
    if (key.scancode < kScancodes) pressedCodes_[key.scancode] = code;
    return code;
}

// The code the key had when it went down: a layout switched while it was held
// must not leave it held for ever.
int WindowBackend::ReleasedCode(const SDL_Keysym& key) {
    if (key.scancode >= kScancodes || !pressedCodes_[key.scancode])
        return KeyCodeOfKey(key.scancode, key.sym);
    return *std::exchange(pressedCodes_[key.scancode], std::nullopt);
}

void WindowBackend::WarpPointer(int x, int y) {
    if (!window_ || !renderer_) return;
    OnWindowTarget([&] {
        int wx = 0, wy = 0;
        SDL_RenderLogicalToWindow(renderer_, static_cast<float>(x), static_cast<float>(y), &wx, &wy);
        SDL_WarpMouseInWindow(window_, wx, wy);
    });
}

void WindowBackend::SetIcon(const Pixels& icon) {
    if (!window_ || icon.width == 0) return;
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon.argb.data()), icon.width,
                                           icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
}

Date WindowBackend::Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

void WindowBackend::Close() {
    DestroyWindow();
    SDL_Quit();
}

// Time since an arbitrary point (the machine's start), so that the seed taken
// from it at start-up differs from run to run.
std::int64_t WindowBackend::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WindowBackend::SleepMs(int ms) {
    if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

}  // namespace platform
