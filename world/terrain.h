// The level's geometry as single-pixel reads of the three masks, compared by
// the callers with the colour keys of terrain_state.h. Coordinates are world
// pixels, x 0-2047, y 0-767.
#pragma once

#include <cstdint>

namespace world {

// Called once at start-up, after the embedded assets are registered: loads
// the ground, walk and enemy masks, then reads the keys from their legends.
void LoadTerrain();

std::uint32_t GroundPixel(int x, int y);
std::uint32_t WalkPixel(int x, int y);
std::uint32_t EnemyPixel(int x, int y);

// Anything but empty air counts as something to stand on.
bool GroundNotEmpty(int x, int y);
bool GroundSolid(int x, int y);
bool GroundNotSolid(int x, int y);

// The first row r >= startRow whose ground pixel is not empty air. A column
// with nothing below answers the first row past the mask (or startRow when
// that already lies past it) instead of scanning forever.
int FloorRowBelow(int x, int startRow);

}  // namespace world
