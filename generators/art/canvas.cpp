// The clipped canvas.
#include "generators/art/canvas.h"

#include <algorithm>

#include "assets/palette.h"

namespace art {

Canvas::Canvas(platform::Pixels& pixels) : Canvas(pixels, 0, 0, pixels.width, pixels.height) {}

Canvas::Canvas(platform::Pixels& pixels, int x, int y, int width, int height)
    : pixels_(&pixels),
      x0_(x),
      y0_(y),
      width_(width),
      height_(height),
      clipX0_(std::max(x, 0)),
      clipY0_(std::max(y, 0)),
      clipX1_(std::min(x + width, pixels.width)),
      clipY1_(std::min(y + height, pixels.height)) {}

bool Canvas::Inside(int x, int y) const {
    int px = x0_ + x, py = y0_ + y;
    return px >= clipX0_ && py >= clipY0_ && px < clipX1_ && py < clipY1_;
}

Rect Canvas::Visible(int x, int y, int w, int h) const {
    Rect r{std::max(x, clipX0_ - x0_), std::max(y, clipY0_ - y0_), std::min(x + w, clipX1_ - x0_),
           std::min(y + h, clipY1_ - y0_)};
    if (r.Empty()) r.x1 = r.x0, r.y1 = r.y0;
    return r;
}

void Canvas::Put(int x, int y, std::uint32_t colour) {
    if (Inside(x, y)) pixels_->At(x0_ + x, y0_ + y) = colour;
}

std::uint32_t Canvas::Get(int x, int y) const {
    return Inside(x, y) ? pixels_->At(x0_ + x, y0_ + y) : assets::palette::Transparent;
}

Canvas Canvas::Cell(int frame, int cw, int ch) const {
    int columns = width_ / cw;
    return Sub(frame % columns * cw, frame / columns * ch, cw, ch);
}

Canvas Canvas::Sub(int x, int y, int width, int height) const {
    Canvas c = *this;
    c.x0_ = x0_ + x;
    c.y0_ = y0_ + y;
    c.width_ = width;
    c.height_ = height;
    c.clipX0_ = std::max(clipX0_, c.x0_);
    c.clipY0_ = std::max(clipY0_, c.y0_);
    c.clipX1_ = std::min(clipX1_, c.x0_ + width);
    c.clipY1_ = std::min(clipY1_, c.y0_ + height);
    return c;
}

platform::Pixels BlankPicture(int width, int height) {
    return {
        width, height,
        std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, assets::palette::Transparent)};
}

}  // namespace art
