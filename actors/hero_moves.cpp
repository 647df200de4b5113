// The hero's walking, climbing and wall steps, read off single pixels of the
// walk and ground masks at fixed points of his 64 by 64 sprite.
#include "actors/hero_moves.h"

#include <cstdint>

#include "actors/hero.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "world/terrain.h"
#include "world/terrain_state.h"

namespace actors {
namespace {

// The breakable wall closes the floor at y 560: while it stands, a hero at
// x 811-823 is held at 823, in front of it.
constexpr int kWallFloorY = 560;
constexpr int kWallX = 823;
constexpr int kWallReachX = 811;

// What lies under his front foot: the walk mask on his probe row (4 rows
// above the floor he stands on) and the ground mask on his bottom row.
struct Footing {
    std::uint32_t walk, ground;
};

Footing FootingAt(int column) {
    return {world::WalkPixel(column, HeroY + 60), world::GroundPixel(column, HeroY + 63)};
}

bool CanStepOn(Footing f) {
    return f.walk == world::walkKey1 || f.walk == world::walkKey3 || f.ground == world::groundKey4;
}

// One walking step of dx through the probe column. On a floor band he is
// re-seated on the first ground the column has from 19 rows above his feet
// down: up to 19 pixels up, any distance down.
void Step(int column, Footing footing, int dir, int dx) {
    PlayFootstep();
    HeroDir = dir;
    HeroMoving = 1;
    LiftTurn = 0.0;
    if (footing.ground == world::groundKey4) Falling = 1;  // into a lift shaft
    if (HeroOverLift())
        Falling = 0;
    else if (footing.walk == world::walkKey1)
        HeroY = world::FloorRowBelow(column, HeroY + 45) - 64;
    if (PushingBarrow == 1) StepPushAnim();  // the wheel turns
    HeroX += dx;
}

void Climb(int dy) {
    PlayFootstep();
    HeroDir = 4;
    HeroMoving = 1;
    HeroY += dy;
    CentreOnLadder();
    CarriedAxeLife -= 1;
}

bool IsLadder(std::uint32_t walk) { return walk == world::walkKey2 || walk == world::walkKey3; }

}  // namespace

void WalkRight(bool rightHeld, int rightLimit) {
    const int column = HeroX + 32 + HeroSpeed;
    const Footing footing = FootingAt(column);
    if (!CanStepOn(footing) || Hanging != 0 || !rightHeld || HeroX >= rightLimit || Falling != 0) return;
    CarriedAxeLife -= 1;  // whatever he carries: only a carried axe reads it
    Step(column, footing, 0, HeroSpeed);
}

void WalkLeft(bool leftHeld) {
    const int column = HeroX + 31 - HeroSpeed;
    const Footing footing = FootingAt(column);
    if (!CanStepOn(footing) || Hanging != 0 || !leftHeld || HeroX <= 4 || Falling != 0) return;
    // Walking left never wears the axe at the wall or anywhere on its floor.
    if (Chopping == 0 && CarriedAxeLife > 0 && HeroX != kWallX && HeroY != kWallFloorY) CarriedAxeLife -= 1;
    Step(column, footing, 1, -HeroSpeed);
}

void StopAtWall(bool fireHeld) {
    if (HeroX < kWallReachX || HeroX > kWallX || HeroY != kWallFloorY || WallStrength <= 0) return;
    HeroX = kWallX;
    HeroFrame = 0;
    Chopping = 0;
    if (!fireHeld || Carried != 3) return;
    Chopping = 1;
    StepPushAnim();
    if (PushTimer == 0) CarriedAxeLife -= 10;  // the chopping picture just moved on
}

void ClimbUp(bool upHeld) {
    if (!upHeld || !IsLadder(world::WalkPixel(HeroX + 32, HeroY + 63 - HeroSpeed)) || PushingBarrow != 0)
        return;
    Climb(-HeroSpeed);
}

void ClimbDown(bool downHeld) {
    if (!downHeld) return;
    const std::uint32_t walk = world::WalkPixel(HeroX + 32, HeroY + 63 + HeroSpeed);
    const bool dropOff = walk == world::walkKey6;
    if ((!IsLadder(walk) && !dropOff) || PushingBarrow != 0) return;
    Climb(HeroSpeed);
    if (!dropOff) return;
    // Off the broken ladder: he falls facing right, his pictures from their first frame.
    Falling = 1;
    HeroFrame = 0;
    PushFrame = 0;
    PushTimer = 0;
    HeroAnimTimer = 0;
    HeroDir = 0;
}

}  // namespace actors
