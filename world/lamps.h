// The five wall lanterns that flicker at random.
#pragma once

#include <vector>

namespace world {

struct lamps {
    int x = 0, y = 0;    // top-left corner of the 32 by 32 picture, world pixels
    int frame = 0;       // flicker state 0-3
    int framedelay = 0;  // flicker timer
};

extern std::vector<lamps> LampList;

// Appends a lamp with a random flicker state (frame 0-3, then framedelay 0-10).
void CreateLamp(int x, int y);

// Empties the list and creates every lamp of the lamp table.
void LoadLamps();

// Once per frame: draws every lamp on the half shown and moves its flicker on
// at irregular moments (about every 14 frames on average).
void UpdateLamps();

}  // namespace world
