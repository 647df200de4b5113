// The hero's poses as data: one row per painted frame facing right, with
// the frame that shows the same pose facing left.
#pragma once

#include <span>

#include "generators/art/figures.h"

namespace art {

struct HeroRow {
    int frame;      // frame of the pose facing right
    int mirror;     // frame of the same pose facing left, or -1
    Pose pose;      // hipX/hipY are worked out: grounded, then raised by lift
    double lift;    // pixels above standing on the cell's floor
    double rotate;  // degrees; lying poses turn the whole figure
    int stars;      // dizzy stars circling the head, 0 for none
};

std::span<const HeroRow> HeroRows();

}  // namespace art
