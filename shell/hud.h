// The play screen's backdrop: the level picture, the wall and the display line.
#pragma once

namespace shell {

// Draws the half of the level on screen, the wall while it stands, and the
// display line. Used by the play loop and by every sequence that redraws the
// play screen (the fall, the death sequence).
void DrawLevelAndHud();

}  // namespace shell
