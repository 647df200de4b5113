// The two lifts of the right half: their records, built from the lift table at
// every level set-up. Their movement and the riding hero are the actors' side
// (actors/lift_rides.h), because a moving lift carries the hero.
#pragma once

#include <array>
#include <vector>

namespace world {

struct lifts {
    int xpos = 0;               // cage's left edge, world pixels
    int ypos = 0;               // cage's top edge; the floor he stands on is at ypos + 62
    int ymin = 0;               // top travel limit; no rule reads it
    int ymax = 0;               // bottom travel limit; no rule reads it
    int stops = 0;              // number of stops s (at most 6)
    std::array<int, 7> Ystops{};  // [1]..[s]: the y of each stop, top first; [0] unused
    int StopPointer = 0;        // stop last reached going up; s going down or at the bottom
    int dir = 0;                // 1 up (ypos falling), 0 down
    int pause = 0;              // frames left to wait at the current stop
    int center = 0;             // x of the cage's middle
    int id = 0;                 // 1 or 2, table order
};

extern std::vector<lifts> LiftList;

// Appends a lift standing at its bottom stop, about to climb. Every y value of
// the table is raised by 10 pixels.
void CreateLift(int x, int topY, int bottomY, int stopCount, const int* stopValues, int id);

// Empties the list and creates both lifts from the lift table, ids 1 and 2.
void LoadLifts();

}  // namespace world
