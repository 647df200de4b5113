// A clipped drawing surface over a picture: the whole picture or one cell of
// a sheet. Coordinates are local to the cell; writes outside it are dropped.
#pragma once

#include <cstdint>

#include "platform/png_codec.h"

namespace art {

// A box of pixels, end exclusive.
struct Rect {
    int x0, y0, x1, y1;
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
};

class Canvas {
public:
    explicit Canvas(platform::Pixels& pixels);
    Canvas(platform::Pixels& pixels, int x, int y, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Whether a local point lies inside the clip (the cell and every window above it).
    bool Inside(int x, int y) const;

    // The part of the box (x, y, w, h) that can be drawn on, in local coordinates;
    // painters loop over it rather than over the whole box.
    Rect Visible(int x, int y, int w, int h) const;
    Rect Visible() const { return Visible(0, 0, width_, height_); }

    void Put(int x, int y, std::uint32_t colour);
    // Transparent outside the cell, so edge tests treat the border as empty.
    std::uint32_t Get(int x, int y) const;

    // The frame-th cell of a sheet cut into cells of cw by ch, row by row.
    Canvas Cell(int frame, int cw, int ch) const;
    // A window of this canvas; clipped to it.
    Canvas Sub(int x, int y, int width, int height) const;

private:
    platform::Pixels* pixels_;
    int x0_, y0_, width_, height_;           // origin in the picture and nominal size
    int clipX0_, clipY0_, clipX1_, clipY1_;  // clip in picture pixels, end exclusive
};

// A picture of the given size filled with the transparent colour.
platform::Pixels BlankPicture(int width, int height);

}  // namespace art
