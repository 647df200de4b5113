// Text drawn with the game's own letter shapes at any whole dot size, for the
// font sheet itself and for the crisp lettering of buttons, panels and logo.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "generators/art/canvas.h"

namespace art {

struct TextStyle {
    int dot = 2;                      // pixels per dot of the letter grid
    std::vector<std::uint32_t> fill;  // top to bottom of the capital height
    std::uint32_t highlight = 0;      // top edge of strokes; 0 for none
    std::uint32_t outline = 0;        // one-pixel ring; 0 for none
    std::uint32_t shadow = 0;         // drop shadow to the lower right; 0 for none
    int shadowOffset = 1;
    int spacing = 1;            // dots between letters
    bool proportional = false;  // narrow letters take less room (titles)
    bool bold = false;          // upright strokes one pixel wider (small text on busy backdrops)
};

int TextWidth(std::string_view text, const TextStyle& style);
int TextHeight(const TextStyle& style);  // capital height, without descenders

// Top-left of the first letter's capital box at (x, y).
void DrawText(Canvas& c, int x, int y, std::string_view text, const TextStyle& style);
void DrawTextCentred(Canvas& c, int centreX, int y, std::string_view text, const TextStyle& style);

}  // namespace art
