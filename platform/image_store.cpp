// Loaded images and their textures.
#include "platform/image_store.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

Cell LoadedImage::CellOf(int frame) const {
    int index = firstFrame + frame;
    return {index % columns * cellWidth, index / columns * cellHeight, cellWidth, cellHeight};
}

LoadedImage MakeImage(std::string name, Pixels pixels, int cellWidth, int cellHeight, int firstFrame,
                      int frameCount) {
    LoadedImage image;
    image.name = std::move(name);
    image.opaque.resize(pixels.argb.size());
    for (std::size_t i = 0; i < pixels.argb.size(); ++i) {
        bool black = (pixels.argb[i] & 0x00FFFFFFu) == 0;
        image.opaque[i] = !black;
        pixels.argb[i] = black ? 0 : pixels.argb[i] | 0xFF000000u;
    }
    image.cellWidth = std::clamp(cellWidth, 1, std::max(pixels.width, 1));
    image.cellHeight = std::clamp(cellHeight, 1, std::max(pixels.height, 1));
    image.columns = pixels.width / image.cellWidth;
    int cells = image.columns * (pixels.height / image.cellHeight);
    image.firstFrame = std::clamp(firstFrame, 0, cells);
    image.frameCount = std::clamp(frameCount, 0, cells - image.firstFrame);
    image.pixels = std::move(pixels);
    return image;
}

bool FramesOverlap(const LoadedImage& a, int xa, int ya, int frameA, const LoadedImage& b, int xb, int yb,
                   int frameB) {
    if (!a.HasFrame(frameA) || !b.HasFrame(frameB)) return false;
    Cell ca = a.CellOf(frameA), cb = b.CellOf(frameB);
    // The surface rectangle both frames cover.
    int left = std::max(xa, xb), right = std::min(xa + ca.width, xb + cb.width);
    int top = std::max(ya, yb), bottom = std::min(ya + ca.height, yb + cb.height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (a.OpaqueAt(ca.x + x - xa, ca.y + y - ya) && b.OpaqueAt(cb.x + x - xb, cb.y + y - yb))
                return true;
    return false;
}

int ImageStore::Add(LoadedImage image) {
    int id = Find(image.name);
    if (id < 0) {
        images_.push_back(std::move(image));
        return static_cast<int>(images_.size()) - 1;
    }
    auto& slot = images_[static_cast<std::size_t>(id)];
    if (slot.texture) SDL_DestroyTexture(slot.texture);
    slot = std::move(image);
    return id;
}

const LoadedImage* ImageStore::Get(int id) const {
    if (id < 0 || id >= static_cast<int>(images_.size())) return nullptr;
    return &images_[static_cast<std::size_t>(id)];
}

int ImageStore::Find(std::string_view name) const {
    for (std::size_t i = 0; i < images_.size(); ++i)
        if (images_[i].name == name) return static_cast<int>(i);
    return -1;
}

SDL_Texture* ImageStore::TextureOf(int id, SDL_Renderer* renderer) {
    if (!Get(id) || !renderer) return nullptr;
    auto& image = images_[static_cast<std::size_t>(id)];
    if (image.texture || image.pixels.width == 0) return image.texture;
    image.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                      image.pixels.width, image.pixels.height);
    if (!image.texture) return nullptr;
    SDL_UpdateTexture(image.texture, nullptr, image.pixels.argb.data(), image.pixels.width * 4);
    SDL_SetTextureScaleMode(image.texture, SDL_ScaleModeNearest);
    return image.texture;
}

void ImageStore::DropTextures() {
    for (auto& image : images_) {
        if (image.texture) SDL_DestroyTexture(image.texture);
        image.texture = nullptr;
    }
}

void ImageStore::Clear() {
    DropTextures();
    images_.clear();
}

}  // namespace platform
