// The game's letter shapes on a 5 by 9 grid (rows 7 and 8 are descenders),
// in the order of the font's character set. The font sheet draws them at two
// pixels per dot; menus draw them larger for buttons and headings.
#pragma once

#include <array>
#include <string_view>

namespace art {

inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 9;

// The character set of the font sheet, frame by frame.
inline constexpr std::string_view kCharacterSet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz?!-,.:;'()<>/+@{} ";

using Glyph = std::array<std::string_view, kGlyphRows>;

// The shape of a character of the set; '?' for any other.
const Glyph& GlyphOf(char c);

}  // namespace art
