// Paints the ground, walk and enemy masks of the maze by the painter's rules,
// legends included.
#pragma once

#include "generators/level/level_layout.h"
#include "platform/png_codec.h"

namespace assets::level {

struct Masks {
    platform::Pixels ground;
    platform::Pixels walk;
    platform::Pixels enemy;
};

Masks PaintMasks(const Layout& maze);

}  // namespace assets::level
