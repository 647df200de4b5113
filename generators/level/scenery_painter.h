// Paints the maze's scenery, "gfx\level.png": a Christmas workshop at night,
// drawn from the same description as the masks.
#pragma once

#include "generators/level/level_layout.h"
#include "platform/png_codec.h"

namespace assets::level {

platform::Pixels PaintScenery(const Layout& maze);

}  // namespace assets::level
