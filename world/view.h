// The view: which half of the 2048-pixel world is on screen. The hero moves
// it, everything in the world is drawn through it.
#pragma once

namespace world {

// 0 left half, 1 right half.
extern int ScreenHalf;

// Back to the left half.
void ResetView();

}  // namespace world
