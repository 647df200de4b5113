// The ladder rectangles the hero climbs in and centres on, rebuilt from the
// ladder table at every level set-up.
#pragma once

#include <vector>

namespace world {

struct ladders {
    int x = 0, y = 0;  // top-left corner, world pixels
    int w = 0, h = 0;  // size
};

extern std::vector<ladders> LadderList;

// Appends a ladder rectangle.
void CreateLadder(int x, int y, int w, int h);

// Empties the list and creates every ladder of the ladder table.
void LoadLadders();

}  // namespace world
