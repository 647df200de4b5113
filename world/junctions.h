// The junctions of the elves' path network: one record per junction-table
// entry, built once at start-up and kept for the whole run.
#pragma once

#include <vector>

namespace world {

struct junctions {
    int xpixel = 0, ypixel = 0;  // the junction pixel in the enemy mask
    int xfrom = 0, yfrom = 0;    // the junction's cell in the path grid
    int id = 0;                  // identifier from the table; no rule uses it
};

extern std::vector<junctions> JunctionList;

// Creates one junction per record of the junction table, in table order.
void LoadJunctions();

}  // namespace world
