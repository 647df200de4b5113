// The workshop's back wall, lit by its lamps, and the planked floors in front of it.
#pragma once

#include "generators/level/level_layout.h"
#include "platform/png_codec.h"

namespace assets::level {

void PaintBackWall(platform::Pixels& p, const Layout& maze);
// `ground` is the ground mask: the planks cover exactly its solid rows.
void PaintFloors(platform::Pixels& p, const Layout& maze, const platform::Pixels& ground);

}  // namespace assets::level
