// The hero's control and movement: the five controls, walking, climbing,
// handles, the wall, minecart exits and the fire button.
#pragma once

namespace actors {

// Once per frame, right after the screen is cleared: reads the controls, moves
// him, dispatches the fire button and sets ScreenHalf.
void UpdateHero();

}  // namespace actors
