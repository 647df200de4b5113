// The terrain's process-wide state: the three masks and the eleven colour
// keys read from their legends. Loaded once by LoadTerrain, never written
// during play.
#pragma once

#include <cstdint>

#include "platform/mask.h"

namespace world {

extern platform::Mask GroundMask;
extern platform::Mask WalkMask;
extern platform::Mask EnemyMask;

extern std::uint32_t groundKey0;  // empty air
extern std::uint32_t groundKey3;  // solid ground
extern std::uint32_t groundKey4;  // opening of a lift shaft
extern std::uint32_t walkKey1;    // walkable floor band
extern std::uint32_t walkKey2;    // ladder
extern std::uint32_t walkKey3;    // ladder end: walkable and climbable
extern std::uint32_t walkKey5;    // grab handle
extern std::uint32_t walkKey6;    // drop-off
extern std::uint32_t enemyKey0;   // junction
extern std::uint32_t enemyKey1;   // elf path
extern std::uint32_t enemyKey2;   // off the path

// Empty masks and all keys 0, as before LoadTerrain.
void ResetTerrain();

}  // namespace world
