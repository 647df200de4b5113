// The level tables' records as rectangles, floors and tracks.
#include "generators/level/table_geometry.h"

#include "world/level_tables.h"

namespace assets::level {

Rect LadderRect(int ladder) {
    const int* r = &world::LadderTable[1 + 4 * (ladder - 1)];
    return {r[0], r[1], r[2], r[3]};
}

LiftStops LiftFloors(int lift) {
    std::size_t at = 0;
    for (int i = 1; i < lift; ++i) at += 4 + world::LiftTable[at + 3];
    LiftStops stops{world::LiftTable[at], {}};
    // A lift subtracts 10 from every table value; its floor lies 62 below its top.
    for (int k = 0; k < world::LiftTable[at + 3]; ++k)
        stops.floors.push_back(world::LiftTable[at + 4 + k] - 10 + 62);
    return stops;
}

CartTrack CartTrackOf(int cart) {
    const int* r = &world::CartTable[5 * (cart - 1)];
    // xmin = left limit, xmax = right limit - 16, ypos = floor y - 32; the cart is 64 wide and tall.
    return {r[0], r[1] - 16 + 63, r[2] - 32 + 64};
}

Point LampAt(int lamp) { return {world::LampTable[2 * (lamp - 1)], world::LampTable[2 * (lamp - 1) + 1]}; }

}  // namespace assets::level
