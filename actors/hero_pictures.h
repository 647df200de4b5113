// Shared by the hero's drawing files: where his pictures go and the handle
// phases, which are drawn and advanced together.
#pragma once

namespace actors {

// Frame of gfx\bman.png at his position on screen, moved by (dx, dy).
void DrawHeroFrame(int frame, int dx, int dy);

// The row a side-on picture is taken from: 1 facing left, else 0. The sheet
// has no side-on rows for him seen from behind (HeroDir 4), so those draw
// facing right, as the dying pose turns him.
int SideOnDir();

// Hanging at a handle: grabbing, letting go (into a cart below, if one is
// there) and hanging still with an occasional swing.
void DrawHanging();

}  // namespace actors
