// The hero's update, once per frame: the controls in a fixed order of steps,
// then the speed-dependent tuning and the half of the world on screen.
#include "actors/hero.h"

#include "actors/hero_moves.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "services/settings_values.h"
#include "services/sound_effects.h"
#include "world/game_progress.h"
#include "world/terrain.h"
#include "world/terrain_state.h"
#include "world/view.h"

namespace actors {
namespace {

// Animation delays and the footstep interval by HeroSpeed; other speeds
// never occur and leave the values as they are.
struct SpeedTuning {
    int speed;
    double walkAnimDelay, poseAnimDelay, pushAnimDelay, hangAnimDelay;
    int stepInterval;
};
constexpr SpeedTuning kSpeedTuning[] = {
    {1, 12.0, 24.0, 16.0, 20.0, 20},
    {2, 9.0, 18.0, 16.0, 15.0, 15},
    {3, 6.0, 12.0, 16.0, 10.0, 10},
};

void SetSpeedTuning() {
    for (const SpeedTuning& t : kSpeedTuning) {
        if (t.speed != HeroSpeed) continue;
        WalkAnimDelay = t.walkAnimDelay;
        PoseAnimDelay = t.poseAnimDelay;
        PushAnimDelay = t.pushAnimDelay;
        HangAnimDelay = t.hangAnimDelay;
        StepInterval = t.stepInterval;
    }
}

bool Held(int key) { return platform::KeyIsDown(key); }

// Walking, climbing and chopping wore the axe out: it is gone, silently.
void WearOutAxe() {
    if (Carried != 3 || CarriedAxeLife >= 0) return;
    CarriedAxeLife = 0;
    HeroSpeed = 3;
    Carried = 0;
}

// Fire at a handle grabs it, or lets go of it once he hangs still; pressed
// while he grabs or lets go it changes no phase. A live axe stays behind.
void GrabHandle() {
    services::PlayEffect(assets::PlayName(assets::kHandleUpSound));
    Hanging = 1;
    if (HangPhase == 0) {
        HangCount = 0;
        HangPhase = 1;
    } else if (HangPhase == 3) {
        HangCount = 12;
        HangPhase = 2;
        services::PlayEffect(assets::PlayName(assets::kHandleDownSound));
    }
    HeroFrame = 0;
    if (Carried == 3 && CarriedAxeLife > 0) LeaveAxeAtHandle();
}

// One press of fire, however many were made since the last one was read.
void PressFire() {
    bool grabbed = false;
    if (world::WalkPixel(HeroX + 32, HeroY + 5) == world::walkKey5) {
        GrabHandle();
        grabbed = true;
    }
    ToggleBarrowHandles();
    if (Carried != 0)
        UseCarried();
    else if (!grabbed)
        PickUp();
}

// The steps that take input. Fire is counted only here, so presses made in a
// cart or after the level is done wait for the first frame this runs again.
void TakeControls(int rightLimit) {
    if (Hanging == 0) StepWalkAnim();  // the walking frame cycles even while he stands
    if (InCart == 0 && LevelDone == 0) {
        Falling = 0;
        WalkRight(Held(services::KeyRight), rightLimit);
        WalkLeft(Held(services::KeyLeft));
        StopAtWall(Held(services::KeyFire));
        ClimbUp(Held(services::KeyUp));
        ClimbDown(Held(services::KeyDown));
        WearOutAxe();
        if (platform::KeyHitCount(services::KeyFire) != 0) PressFire();
    }
    if (InCart == 1) LeaveCart(Held(services::KeyLeft), Held(services::KeyRight), Held(services::KeyUp));
}

}  // namespace

void UpdateHero() {
    HeroMoving = 0;
    const int rightLimit = PackagesLeft == 0 && Carried == 0 ? 2020 : 2000;
    if (HeroX > 2010 && PushingBarrow == 1) LevelDone = 1;  // the wheelbarrow is out of the level
    // A lift carrying him takes over; so does his death, already under way
    // when a cart hit him or the time ran out in the frame before.
    if (RidingLift == 0 && world::Dying == 0) TakeControls(rightLimit);
    SetSpeedTuning();
    world::ScreenHalf = HeroX > 995 ? 1 : 0;
}

}  // namespace actors
