// The look shared by every menu picture: the night workshop wall, wooden
// boards, the buttons in their unlit and lit looks, lettering styles and the
// dialog frame. The backdrop draws the unlit buttons and the highlight
// pictures the lit ones from the same code, so they line up exactly.
#pragma once

#include <string_view>

#include "generators/art/canvas.h"
#include "generators/art/text.h"

namespace art {

enum class Light { Off, On };

// Brick wall of the workshop at night, darkening towards the top.
void PaintBrickWall(Canvas& c, int x, int y, int w, int h, double light = 1.0);
// A timber beam with a garland of lights along it.
void PaintGarlandBeam(Canvas& c, int y, int width);
// Wooden floor boards with a drift of snow blown in.
void PaintFloor(Canvas& c, int y, int width, int height);
// A night sky with stars and falling snow inside the box.
void PaintNightSky(Canvas& c, int x, int y, int w, int h, int seed);
// A board of planks in an iron frame with corner rivets.
void PaintBoard(Canvas& c, int x, int y, int w, int h);

// A button whose face fills the box; lit buttons glow gold. The menu
// buttons letter their labels with dots of kButtonDot pixels.
inline constexpr int kButtonDot = 3;
void PaintButton(Canvas& c, int x, int y, int w, int h, std::string_view label, int dot, Light lit);

// The dialog panel: rounded blue-grey border, dark fill.
void PaintDialogPanel(Canvas& c, int w, int h);

// Lettering.
TextStyle PanelText();           // light text on dark panels
TextStyle PanelKeyText();        // the key names in panel text
TextStyle HeadingText();         // screen headings, gold
TextStyle LabelText(Light lit);  // option row labels

}  // namespace art
