// The scenery's brushes: clipped fills and a 4x4 ordered dither, so shading
// reads as pixel art instead of flat blocks of colour.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/png_codec.h"

namespace assets::level {

inline void Fill(platform::Pixels& p, int x, int y, int w, int h, std::uint32_t c) {
    for (int yy = std::max(0, y); yy < std::min(p.height, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(p.width, x + w); ++xx) p.At(xx, yy) = c;
}

inline void Dot(platform::Pixels& p, int x, int y, std::uint32_t c) { Fill(p, x, y, 1, 1, c); }

// True on `level` of every 16 pixels (level 0-16), spread evenly.
inline bool Dither(int x, int y, int level) {
    static constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return level > bayer[y & 3][x & 3];
}

// `over` on `level` of 16 pixels, `under` elsewhere.
inline std::uint32_t Mix(int x, int y, int level, std::uint32_t under, std::uint32_t over) {
    return Dither(x, y, level) ? over : under;
}

// Darkens what is already there towards `shade` on `level` of 16 pixels.
inline void Shade(platform::Pixels& p, int x, int y, int w, int h, int level, std::uint32_t shade) {
    for (int yy = std::max(0, y); yy < std::min(p.height, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(p.width, x + w); ++xx)
            if (Dither(xx, yy, level)) p.At(xx, yy) = shade;
}

}  // namespace assets::level
