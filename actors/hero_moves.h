// The steps of the hero's update that move him, in the order UpdateHero takes
// them. Each is told whether its control is held, so the maze tests can drive
// the real steps over every position of the maze.
#pragma once

namespace actors {

// A step right (left) at HeroSpeed where the walk mask or a lift-shaft opening
// lets him: re-seats him on the floor, steps into a shaft (Falling 1) unless a
// lift waits there, and wears a carried axe. rightLimit: 2000, or 2020 once
// every present is in the wheelbarrow and his hands are empty.
void WalkRight(bool rightHeld, int rightLimit);
void WalkLeft(bool leftHeld);

// The standing wall stops him at x 823 on its floor; with an axe in his hands
// and fire held he chops at it.
void StopAtWall(bool fireHeld);

// Climbing on ladders, centring on them; climbing down onto a drop-off turns
// him to face right and starts a fall.
void ClimbUp(bool upHeld);
void ClimbDown(bool downHeld);

// The way out of a minecart: the first held of left, right and up chooses it;
// the cart's lock or the rock beside it can refuse it.
void LeaveCart(bool leftHeld, bool rightHeld, bool upHeld);

}  // namespace actors
