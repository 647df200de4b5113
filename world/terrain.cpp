// Terrain loading and queries.
#include "world/terrain.h"

#include "assets/asset_names.h"
#include "world/terrain_state.h"

namespace world {

void LoadTerrain() {
    GroundMask = platform::LoadMaskPixels(assets::kGroundMask);
    WalkMask = platform::LoadMaskPixels(assets::kWalkMask);
    EnemyMask = platform::LoadMaskPixels(assets::kEnemyMask);
    // The legend sits on the diagonal near the top-left corner of each mask.
    groundKey0 = platform::ReadMaskPixel(GroundMask, 0, 0);
    groundKey3 = platform::ReadMaskPixel(GroundMask, 3, 3);
    groundKey4 = platform::ReadMaskPixel(GroundMask, 4, 4);
    walkKey1 = platform::ReadMaskPixel(WalkMask, 1, 1);
    walkKey2 = platform::ReadMaskPixel(WalkMask, 2, 2);
    walkKey3 = platform::ReadMaskPixel(WalkMask, 3, 3);
    walkKey5 = platform::ReadMaskPixel(WalkMask, 5, 5);
    walkKey6 = platform::ReadMaskPixel(WalkMask, 6, 6);
    enemyKey0 = platform::ReadMaskPixel(EnemyMask, 0, 0);
    enemyKey1 = platform::ReadMaskPixel(EnemyMask, 1, 1);
    enemyKey2 = platform::ReadMaskPixel(EnemyMask, 2, 2);
}

std::uint32_t GroundPixel(int x, int y) { return platform::ReadMaskPixel(GroundMask, x, y); }
std::uint32_t WalkPixel(int x, int y) { return platform::ReadMaskPixel(WalkMask, x, y); }
std::uint32_t EnemyPixel(int x, int y) { return platform::ReadMaskPixel(EnemyMask, x, y); }

bool GroundNotEmpty(int x, int y) { return GroundPixel(x, y) != groundKey0; }
bool GroundSolid(int x, int y) { return GroundPixel(x, y) == groundKey3; }
bool GroundNotSolid(int x, int y) { return !GroundSolid(x, y); }

int FloorRowBelow(int x, int startRow) {
    int r = startRow;
    while (r < GroundMask.height && !GroundNotEmpty(x, r)) ++r;
    return r;
}

}  // namespace world
