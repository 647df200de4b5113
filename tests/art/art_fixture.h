// The art set painted once for all tests of a binary, looked up by name.
#pragma once

#include <string_view>

#include "assets/asset_table.h"
#include "generators/art/artgen.h"

namespace arttest {

const platform::Pixels& PictureOf(std::string_view name);

// Frame f of a picture laid out as its table entry says.
struct Frame {
    const platform::Pixels* picture;
    int x0, y0, w, h;
    std::uint32_t At(int x, int y) const { return picture->At(x0 + x, y0 + y); }
};
Frame FrameOf(std::string_view name, int f);

inline constexpr std::uint32_t kBlack = 0xFF000000u;

}  // namespace arttest
