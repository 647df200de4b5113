// The loaded images: decoded pixels, the opacity of every pixel (for pixel-exact
// collisions without reading textures back) and, once there is a renderer, a texture.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/png_codec.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

struct Cell {
    int x, y, width, height;  // in the picture
};

struct LoadedImage {
    std::string name;
    Pixels pixels;             // pure black already made transparent (alpha 0)
    std::vector<bool> opaque;  // per picture pixel
    int cellWidth = 0, cellHeight = 0, columns = 0;
    int firstFrame = 0, frameCount = 0;
    SDL_Texture* texture = nullptr;

    bool HasFrame(int frame) const { return frame >= 0 && frame < frameCount; }
    Cell CellOf(int frame) const;
    bool OpaqueAt(int x, int y) const { return opaque[static_cast<std::size_t>(y) * pixels.width + x]; }
};

// Pure black becomes transparent; every other pixel opaque.
LoadedImage MakeImage(std::string name, Pixels pixels, int cellWidth, int cellHeight, int firstFrame,
                      int frameCount);

// Pixel-exact overlap of two frames placed at whole-pixel positions.
bool FramesOverlap(const LoadedImage& a, int xa, int ya, int frameA, const LoadedImage& b, int xb, int yb,
                   int frameB);

// Textures are released only by DropTextures and Clear: at exit the renderer
// may already be gone.
class ImageStore {
public:
    // Adds the image, replacing one of the same name; returns its id.
    int Add(LoadedImage image);
    const LoadedImage* Get(int id) const;
    int Find(std::string_view name) const;
    // The image's texture on the renderer, made on first use.
    SDL_Texture* TextureOf(int id, SDL_Renderer* renderer);
    // Before the renderer goes away.
    void DropTextures();
    void Clear();

private:
    std::vector<LoadedImage> images_;
};

}  // namespace platform
