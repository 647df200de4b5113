// Drawing shared by the menu screens: the generic backdrop, text blocks, the
// pointer test and the MENU button.
#pragma once

#include <span>

#include "shell/menu_tables.h"
#include "shell/text_blocks.h"

namespace shell {

// ClearScreen and the dark backdrop; withHeader adds the REDEFINE KEYS heading.
void DrawMenuBackground(bool withHeader);

// The heading frame of "gfx\\menuheaders_v2.png" at its place on every screen.
void DrawHeading(int frame);

// Draws the block's lines from the top-left column and row, 25 pixels apart,
// each in its colour, up to the closing "#"; leaves the colour white.
void DrawTextBlock(std::span<const TextLine> block, double column, double row);

// The colour of a text code, or false for codes that keep the previous colour.
struct Rgb {
    int red, green, blue;
};
bool TextColour(int code, Rgb& colour);

// Whether the 2 by 2 pointer box overlaps the box, edges included.
bool PointerOver(const assets::Box& box);

// Draws the MENU button, lit while the pointer is over it. Reads the pointer's
// clicks every frame and answers whether one landed on the button, so a click
// made elsewhere does not count once the pointer reaches the button.
bool MenuButtonClicked();

}  // namespace shell
