// The hero's pictures in normal play, in the dying pose and falling, with the
// state changes tied to drawing them: the turn towards the viewer while a lift
// centres him, the chops that land on the wall, the fall's descent.
#include "actors/hero_drawing.h"

#include <algorithm>

#include "actors/hero.h"
#include "actors/hero_pictures.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "services/sound_effects.h"
#include "world/game_progress.h"
#include "world/lifts.h"
#include "world/terrain.h"
#include "world/view.h"

namespace actors {
namespace {

constexpr double kTurnPerFrame = 0.075;
constexpr double kTurnedToViewer = 4.0;

// The moving lift that carries him pulls him one pixel a frame towards the
// cage's middle, turning him towards the viewer; true once he is centred.
bool CentreOnRidingLift() {
    bool centred = false;
    for (const world::lifts& lift : world::LiftList) {
        if (lift.pause != 0 || lift.id != RidingLift) continue;
        if (HeroX + 32 < lift.center) {
            HeroX += 1;
            LiftTurn += kTurnPerFrame;
        }
        if (HeroX + 32 > lift.center) {
            HeroX -= 1;
            LiftTurn += kTurnPerFrame;
        }
        LiftTurn = std::min(LiftTurn, kTurnedToViewer);
        if (HeroX + 32 == lift.center) {
            centred = true;
            LiftTurn = kTurnedToViewer;
        }
    }
    return centred;
}

// Standing, walking, climbing or turning on a lift.
void DrawOnFoot(bool centred) {
    if (Carried == 3 && HeroFrame == 4) HeroFrame = 0;  // the axe rows have four frames
    if (LiftTurn > 0.0 && OnLift == 1) {
        if (centred) LiftTurn = kTurnedToViewer;
        DrawHeroFrame(static_cast<int>(60.0 + LiftTurn + 5 * SideOnDir()), 2, 0);
        return;
    }
    const int moving = HeroMoving == 1 ? HeroFrame : 0;
    DrawHeroFrame(AxeRowBase + moving + 5 * HeroDir, 0, 0);
    // Once per walking cycle the trailing axe knocks the floor.
    if (HeroMoving == 1 && AxeRowBase == 25 && HeroFrame == 3 && HeroAnimTimer == 5)
        services::PlayEffect(assets::PlayName(assets::kFloorAxeHitSound));
}

void DrawPlaying() {
    const bool centred = world::Dying == 0 && CentreOnRidingLift();
    AxeRowBase = Carried == 3 && HeroDir < 2 ? 25 : 0;
    if (AxeRowBase == 25 && Chopping == 1) {
        DrawHeroFrame(16 + PushFrame, 0, 0);
        if (PushFrame == 0 && PushTimer == 4) LandWallBlow();  // once per chopping cycle
    }
    if (PushingBarrow == 1) BarrowX = HeroX + 36;  // the wheelbarrow stays in his hands
    if (Chopping == 1 || InCart == 1) return;      // a riding hero is drawn by his cart
    if (Hanging == 0)
        DrawOnFoot(centred);
    else
        DrawHanging();
}

void DrawDying() {
    if (HeroDir > 1) HeroDir = 0;  // before the offset, so he lies where a right-facing hero lies
    const int offset = HeroDir == 0 ? 10 : -10;
    DrawHeroFrame((HeroDir == 0 ? 35 : 50) + HeroFrame, offset, 0);
    StepPoseAnim();
}

// Four pixels a frame down the column in front of him, stopping with his feet
// just above the first solid row; landing there kills him.
void DrawFalling() {
    const int offset = SideOnDir() == 0 ? 16 : -16;  // shifts the picture and the probe, never HeroX
    DrawHeroFrame(55 + HeroFrame, offset, 0);
    StepFallAnim();
    const int column = HeroX + 31 + offset;
    HeroY += 64;
    int k = 0;
    do {
        HeroY += 1;
        k += 1;
    } while (!world::GroundSolid(column, HeroY) && k != 4);
    HeroY -= 64;
    if (world::GroundSolid(column, HeroY + 64) || HeroY > 720) {
        world::Dying = 1;
        services::PlayEffect(assets::PlayName(assets::kDeadSound));
    }
}

}  // namespace

void DrawHeroFrame(int frame, int dx, int dy) {
    platform::DrawFrame(assets::kHeroSheet, HeroX - 1024 * world::ScreenHalf + dx, HeroY + dy, frame);
}

int SideOnDir() { return HeroDir == 1 ? 1 : 0; }

void DrawHero(int mode) {
    if (mode == 0) DrawPlaying();
    if (mode == 1) DrawDying();
    if (mode == 2) DrawFalling();
}

}  // namespace actors
