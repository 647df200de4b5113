// The layer's operations: draw state, images, input queries, pacing and time,
// on top of the current back end.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "assets/asset_names.h"
#include "assets/registry.h"
#include "platform/backend.h"
#include "platform/headless_backend.h"
#include "platform/image_store.h"
#include "platform/platform.h"
#include "platform/state_registry.h"

namespace platform {
namespace {

struct DrawState {
    int red = 255, green = 255, blue = 255;
    double opacity = 1.0;
    BlendMode blend = BlendMode::Masked;
};

struct Layer {
    std::unique_ptr<Backend> backend;
    SDL_Renderer* renderer = nullptr;
    ImageStore images;
    InputState input;
    FramePacer pacer;
    DrawState draw;
};

Layer& TheLayer() {
    static Layer layer;
    return layer;
}

const StateRegistration kRegistration([] {
    RegisterReset([] {
        auto& layer = TheLayer();
        layer.images.Clear();
        layer.input.Reset();
        layer.draw = {};
        layer.pacer = {};
    });
});

// How the current draw state puts pixels down: SDL's blend mode and the alpha
// to modulate with. False when nothing is to be drawn at all.
bool DrawMode(SDL_BlendMode& mode, Uint8& alpha) {
    const auto& draw = TheLayer().draw;
    alpha = static_cast<Uint8>(std::lround(draw.opacity * 255.0));
    switch (draw.blend) {
        case BlendMode::Masked:
            // No blending, a test at half opacity; the pictures' own alpha is 0 or 255.
            mode = SDL_BLENDMODE_BLEND;
            alpha = 255;
            return draw.opacity >= 0.5;
        case BlendMode::Solid:
            mode = SDL_BLENDMODE_NONE;
            alpha = 255;
            return true;
        case BlendMode::Light:
            mode = SDL_BLENDMODE_ADD;
            return true;
        case BlendMode::Shade:
            // MUL rather than MOD: MOD ignores the source's opacity, so the
            // transparent black around a sprite would blacken what lies below.
            mode = SDL_BLENDMODE_MUL;
            return true;
        default:
            mode = SDL_BLENDMODE_BLEND;
            return true;
    }
}

// Surface positions are whole pixels; far-off values are clamped so that
// they stay off the surface without overflowing.
int Pixel(double v) { return static_cast<int>(std::floor(std::clamp(v, -1.0e6, 1.0e6))); }

Backend& Pumped() {
    auto& layer = TheLayer();
    CurrentBackend().PumpEvents(layer.input);
    return *layer.backend;
}

Image Load(std::string_view assetName, int cellWidth, int cellHeight, int firstFrame, int frameCount,
           bool whole) {
    auto bytes = assets::Lookup(assetName);
    Pixels pixels;
    if (!bytes || !DecodePng(*bytes, pixels)) return {};
    if (whole) {
        cellWidth = pixels.width;
        cellHeight = pixels.height;
    }
    return {TheLayer().images.Add(
        MakeImage(std::string(assetName), std::move(pixels), cellWidth, cellHeight, firstFrame, frameCount))};
}

}  // namespace

void InstallBackend(std::unique_ptr<Backend> backend) {
    auto& layer = TheLayer();
    layer.images.DropTextures();
    layer.renderer = nullptr;
    layer.backend = std::move(backend);
}

Backend& CurrentBackend() {
    auto& layer = TheLayer();
    if (!layer.backend) layer.backend = std::make_unique<HeadlessBackend>(HeadlessConfig{});
    return *layer.backend;
}

bool IsHeadless() { return CurrentBackend().IsHeadless(); }

// --- Window and frame ---------------------------------------------------------

void SetWindowCaption(std::string_view caption) { CurrentBackend().SetCaption(std::string(caption)); }

void OpenScreen(int width, int height, bool fullScreen, int /*refresh: always 60*/) {
    auto& layer = TheLayer();
    Backend& backend = CurrentBackend();
    layer.renderer = backend.Open(width, height, fullScreen);
    layer.draw = {};
    layer.pacer.Start(backend.NowMs());
    if (fullScreen) {
        backend.WarpPointer(width / 2, height / 2);
        layer.input.PointerMoved(width / 2, height / 2);
    }
}

void SetWindowIcon() {
    auto bytes = assets::Lookup(assets::kIconPicture);
    Pixels icon;
    if (!bytes || !DecodePng(*bytes, icon)) return;
    for (auto& p : icon.argb) p = (p & 0x00FFFFFFu) == 0 ? 0 : p | 0xFF000000u;
    CurrentBackend().SetIcon(icon);
}

void CloseScreen() {
    auto& layer = TheLayer();
    layer.images.DropTextures();  // before the renderer goes
    layer.renderer = nullptr;
    CurrentBackend().Close();
}

void ClearScreen() {
    SDL_Renderer* renderer = TheLayer().renderer;
    if (!renderer) return;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
}

void ShowFrame() {
    auto& layer = TheLayer();
    Backend& backend = CurrentBackend();
    if (backend.Paces()) layer.pacer.Wait(backend);
    backend.Present();
}

// --- Images -------------------------------------------------------------------

Image LoadFrames(std::string_view assetName, int cellWidth, int cellHeight, int firstFrame, int frameCount) {
    return Load(assetName, cellWidth, cellHeight, firstFrame, frameCount, false);
}

Image LoadPicture(std::string_view assetName) { return Load(assetName, 0, 0, 0, 1, true); }

Image FindImage(std::string_view assetName) { return {TheLayer().images.Find(assetName)}; }

void DrawFrame(Image image, double x, double y, int frame) {
    auto& layer = TheLayer();
    const LoadedImage* loaded = layer.images.Get(image.id);
    if (!loaded || !loaded->HasFrame(frame)) return;
    SDL_Texture* texture = layer.images.TextureOf(image.id, layer.renderer);
    SDL_BlendMode mode;
    Uint8 alpha;
    if (!texture || !DrawMode(mode, alpha)) return;
    SDL_SetTextureColorMod(texture, static_cast<Uint8>(layer.draw.red), static_cast<Uint8>(layer.draw.green),
                           static_cast<Uint8>(layer.draw.blue));
    SDL_SetTextureAlphaMod(texture, alpha);
    SDL_SetTextureBlendMode(texture, mode);
    Cell cell = loaded->CellOf(frame);
    SDL_Rect source{cell.x, cell.y, cell.width, cell.height};
    SDL_Rect target{Pixel(x), Pixel(y), cell.width, cell.height};
    SDL_RenderCopy(layer.renderer, texture, &source, &target);
}

void DrawFrame(std::string_view assetName, double x, double y, int frame) {
    DrawFrame(FindImage(assetName), x, y, frame);
}

void DrawEllipse(double x, double y, double width, double height) {
    auto& layer = TheLayer();
    SDL_BlendMode mode;
    Uint8 alpha;
    if (!layer.renderer || width <= 0 || height <= 0 || !DrawMode(mode, alpha)) return;
    // One span per pixel row, as wide as the ellipse at the row's centre line.
    double rx = width / 2, ry = height / 2, cx = x + rx, cy = y + ry;
    std::vector<SDL_Rect> spans;
    for (int row = Pixel(y); row < Pixel(y + height); ++row) {
        double dy = (row + 0.5 - cy) / ry;
        if (dy * dy >= 1.0) continue;
        double half = rx * std::sqrt(1.0 - dy * dy);
        int left = static_cast<int>(std::lround(cx - half)), right = static_cast<int>(std::lround(cx + half));
        if (right > left) spans.push_back({left, row, right - left, 1});
    }
    SDL_SetRenderDrawBlendMode(layer.renderer, mode);
    SDL_SetRenderDrawColor(layer.renderer, static_cast<Uint8>(layer.draw.red),
                           static_cast<Uint8>(layer.draw.green), static_cast<Uint8>(layer.draw.blue), alpha);
    SDL_RenderFillRects(layer.renderer, spans.data(), static_cast<int>(spans.size()));
}

bool FramesCollide(Image a, double xa, double ya, int frameA, Image b, double xb, double yb, int frameB) {
    const auto& images = TheLayer().images;
    const LoadedImage* ia = images.Get(a.id);
    const LoadedImage* ib = images.Get(b.id);
    return ia && ib && FramesOverlap(*ia, Pixel(xa), Pixel(ya), frameA, *ib, Pixel(xb), Pixel(yb), frameB);
}

bool FramesCollide(std::string_view a, double xa, double ya, int frameA, std::string_view b, double xb,
                   double yb, int frameB) {
    return FramesCollide(FindImage(a), xa, ya, frameA, FindImage(b), xb, yb, frameB);
}

// --- Draw state ---------------------------------------------------------------

void SetDrawColour(int red, int green, int blue) {
    auto& draw = TheLayer().draw;
    draw.red = std::clamp(red, 0, 255);
    draw.green = std::clamp(green, 0, 255);
    draw.blue = std::clamp(blue, 0, 255);
}

void SetDrawAlpha(double opacity) { TheLayer().draw.opacity = std::clamp(opacity, 0.0, 1.0); }

void SelectBlend(BlendMode mode) {
    if (mode >= BlendMode::Masked && mode <= BlendMode::Shade) TheLayer().draw.blend = mode;
}

// --- Input --------------------------------------------------------------------

int KeyHitCount(int key) {
    Pumped();
    return TheLayer().input.TakeHits(key);
}

bool KeyIsDown(int key) {
    Pumped();
    return TheLayer().input.IsDown(key);
}

void ClearKeys() {
    auto& layer = TheLayer();
    CurrentBackend().BeforeClearKeys(layer.input);
    layer.input.ClearKeys();
}

int PointerX() {
    Pumped();
    return TheLayer().input.PointerX();
}

int PointerY() {
    Pumped();
    return TheLayer().input.PointerY();
}

int PointerClicks(int button) {
    Pumped();
    return TheLayer().input.TakeClicks(button);
}

bool CloseRequested() {
    Pumped();
    return TheLayer().input.TakeCloseRequest();
}

// --- Time and program ---------------------------------------------------------

int ClockMs() { return static_cast<int>(CurrentBackend().NowMs() & 0x7FFFFFFF); }

void WaitMs(int ms) {
    if (ms > 0) CurrentBackend().SleepMs(ms);
}

void EndProgram() { throw ProgramEnd{}; }

std::string TodayText() {
    Date today = CurrentBackend().Today();
    return DateText(today.day, today.month, today.year);
}

}  // namespace platform
