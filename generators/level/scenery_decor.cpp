// The dressing is painted before the floors, so planks always sit in front of it.
#include "generators/level/scenery_decor.h"

#include <cstdlib>

#include "assets/palette.h"
#include "generators/level/scenery_brushes.h"

namespace assets::level {

using namespace assets::palette;
using platform::Pixels;

namespace {

// A bulb with a dithered glow round it.
void Bulb(Pixels& p, int x, int y, std::uint32_t c) {
    for (int dy = -3; dy <= 4; ++dy)
        for (int dx = -3; dx <= 4; ++dx)
            if (std::abs(2 * dx - 1) + std::abs(2 * dy - 1) < 10 && Dither(x + dx, y + dy, 3))
                Dot(p, x + dx, y + dy, c);
    Fill(p, x, y, 2, 2, c);
    Dot(p, x, y, White);
}

}  // namespace

// A bevelled frame, night and falling snow, and moonlight spilling onto the wall below.
void Window(Pixels& p, const Rect& r) {
    for (int d = 1; d < 28; ++d)
        Shade(p, r.x - d / 3, r.y + r.h + 3 + d, r.w + 2 * (d / 3), 1, 4 - d / 7, BrickLight);
    Fill(p, r.x - 3, r.y - 3, r.w + 6, r.h + 6, WoodDark);
    Fill(p, r.x - 3, r.y - 3, r.w + 6, 1, WoodLight);
    Fill(p, r.x - 3, r.y - 3, 1, r.h + 6, WoodLight);
    Fill(p, r.x - 4, r.y + r.h + 1, r.w + 8, 3, Straw);  // the inside sill
    Fill(p, r.x - 4, r.y + r.h + 3, r.w + 8, 1, WoodDeep);
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) p.At(x, y) = Mix(x, y, 16 * (y - r.y) / r.h, NightDeep, Night);
    for (int i = 0; i < r.w * r.h / 40; ++i)
        Dot(p, r.x + (i * 37) % r.w, r.y + (i * 23) % r.h, i % 3 ? SnowShadow : Snow);
    Fill(p, r.x, r.y + r.h - 6, r.w, 6, Snow);  // snow on the sill outside
    Fill(p, r.x, r.y + r.h - 6, r.w, 1, White);
    Fill(p, r.x + r.w / 2 - 1, r.y, 2, r.h, WoodDark);
    Fill(p, r.x, r.y + r.h / 2 - 1, r.w, 2, WoodDark);
}

// A sagging garland with baubles and lights, following the floor above.
void Garland(Pixels& p, const Floor& f) {
    int x0 = f.surface.front().x + 8, x1 = f.surface.back().x - 8;
    for (int x = x0; x <= x1; ++x) {
        int t = (x - x0) % 48, y = SurfaceAt(f, x) + f.depth + 1 + t * (48 - t) / 96;
        Fill(p, x, y, 1, 3, Mix(x, y, 6, Green, GreenDark));
        Dot(p, x, y, (x % 3) ? GreenLight : Green);
        if (t == 24) {
            Fill(p, x - 2, y + 3, 5, 5, (x / 48) % 2 ? Red : Gold);
            Dot(p, x - 1, y + 4, (x / 48) % 2 ? RedLight : GoldLight);
        }
        if (t % 12 == 6)
            Bulb(p, x, y + 3, (x / 12) % 3 == 0 ? Lamp : (x / 12) % 3 == 1 ? RedLight : GoldLight);
    }
}

// A small fir, lit from the lamp side (left), with baubles and a star.
void Tree(Pixels& p, Point foot) {
    Fill(p, foot.x - 3, foot.y - 8, 6, 8, WoodDark);
    Fill(p, foot.x - 3, foot.y - 8, 2, 8, Wood);
    for (int row = 0; row < 40; ++row) {
        int half = 3 + (row % 13) + row / 4, y = foot.y - 48 + row;
        for (int x = foot.x - half; x < foot.x + half; ++x) {
            int across = 16 * (x - foot.x + half) / (2 * half);
            std::uint32_t c = Mix(x, y, across, GreenLight, Green);
            if (across > 9) c = Mix(x, y, across - 4, Green, GreenDark);
            Dot(p, x, y, row % 13 > 10 ? GreenDark : c);
        }
        if (row % 9 == 4) Bulb(p, foot.x - half / 2, y, RedLight);
        if (row % 11 == 7) Bulb(p, foot.x + half / 2, y, GoldLight);
    }
    Fill(p, foot.x - 2, foot.y - 52, 5, 5, Gold);
    Fill(p, foot.x, foot.y - 54, 1, 9, GoldLight);
    Fill(p, foot.x - 4, foot.y - 50, 9, 1, GoldLight);
}

// Wrapped presents on a bracketed shelf, each lit on its left.
void Shelf(Pixels& p, const Rect& r) {
    const std::uint32_t boxes[] = {Red, Green, Gold, Purple, RedLight};
    const std::uint32_t shades[] = {RedDark, GreenDark, GoldDark, Ink, Red};
    for (int x = r.x + 2, i = 0; x + 10 < r.x + r.w; x += 14, ++i) {
        int h = 8 + (i * 5) % 7;
        Fill(p, x, r.y - h, 10, h, boxes[i % 5]);
        Fill(p, x + 8, r.y - h, 2, h, shades[i % 5]);
        Fill(p, x + 4, r.y - h, 2, h, GoldLight);      // ribbon
        Fill(p, x + 3, r.y - h - 2, 4, 2, GoldLight);  // bow
    }
    Fill(p, r.x, r.y, r.w, 1, Straw);
    Fill(p, r.x, r.y + 1, r.w, 2, WoodLight);
    Fill(p, r.x, r.y + 3, r.w, 2, WoodDark);
    Shade(p, r.x, r.y + 5, r.w, 3, 8, Ink);
    Fill(p, r.x + 4, r.y + 5, 2, 6, Iron);  // brackets
    Fill(p, r.x + r.w - 6, r.y + 5, 2, 6, Iron);
}

}  // namespace assets::level
