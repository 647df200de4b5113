// Where DrawFontText puts its glyphs: the font's frames and their positions.
#pragma once

#include <string_view>
#include <vector>

namespace platform {

struct Glyph {
    int frame;
    int x, y;
    bool operator==(const Glyph&) const = default;
};

// The glyphs of the text in order; spaces draw nothing and are left out.
std::vector<Glyph> FontGlyphs(std::string_view text, double column, double row, double advance);

}  // namespace platform
