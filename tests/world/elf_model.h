// The elves' stepping rule on the enemy mask, as the maze tests walk it.
#pragma once

#include <vector>

namespace mazetest {

struct Elf {
    int x, y;
    char move;  // '<', '>', '^' or '|'
};

// One step in the elf's direction; a horizontal step follows a rise or fall
// of one row. The step into a junction is never adjusted.
void StepElf(Elf& elf);

bool OnPath(int x, int y);  // path or junction pixel
bool OnJunction(int x, int y);

// The directions in which a drawn path leaves the pixel.
std::vector<char> DrawnExits(int x, int y);

}  // namespace mazetest
