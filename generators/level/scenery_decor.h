// The workshop's Christmas dressing: windows, garlands, firs and toy shelves.
#pragma once

#include "generators/level/level_layout.h"
#include "platform/png_codec.h"

namespace assets::level {

void Window(platform::Pixels& p, const Rect& r);
void Garland(platform::Pixels& p, const Floor& f);
void Tree(platform::Pixels& p, Point foot);
void Shelf(platform::Pixels& p, const Rect& r);

}  // namespace assets::level
