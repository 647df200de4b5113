// The level tables' records as the level tool needs them.
#pragma once

#include <vector>

#include "generators/level/level_layout.h"

namespace assets::level {

Rect LadderRect(int ladder);  // 1-18

// Each lift's stops as floor rows (the cage's floor, 62 rows below its top).
struct LiftStops {
    int x = 0;
    std::vector<int> floors;
};
LiftStops LiftFloors(int lift);  // 1 or 2

struct CartTrack {
    int left = 0;   // the cart's left edge at its left turning point
    int right = 0;  // the cart's right edge at its right turning point
    int floor = 0;
};
CartTrack CartTrackOf(int cart);  // 1-3

Point LampAt(int lamp);  // 1-5

}  // namespace assets::level
