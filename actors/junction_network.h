// The elves' junction network: which way an elf goes next when it stands on a
// junction pixel, planned on the path grid by the path finder.
#pragma once

#include <string>

namespace actors {

// Start-up: builds the 43 by 16 path map from the path grid table and hands
// it to the path finder.
void LoadPathGrid();

// The direction ("<", ">", "^" or "|") an elf standing at (x, y) takes next.
std::string ChooseJunctionDirection(int x, int y);

}  // namespace actors
