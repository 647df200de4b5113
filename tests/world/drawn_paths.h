// The elf paths drawn in the enemy mask, walked with the elves' own step.
#pragma once

#include <vector>

#include "actors/elves.h"

namespace mazetest {

// An elf at (x, y) about to step in `move` ('<', '>', '^' or '|').
actors::elfs ElfAt(int x, int y, char move);

bool OnPath(int x, int y);  // path or junction pixel
bool OnJunction(int x, int y);

// The directions in which a drawn path leaves the pixel: one elf step that
// way lands on a path or junction pixel.
std::vector<char> DrawnExits(int x, int y);

}  // namespace mazetest
