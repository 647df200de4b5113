// Footstep pacing and the animation steppers of the hero's pictures and of
// the wheelbarrow's wheel.
#include "actors/hero.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "assets/asset_names.h"
#include "services/settings_values.h"
#include "services/sound_effects.h"

namespace actors {
namespace {

// Counts the timer up; true when it has passed the delay and starts again.
// The timer is whole frames and the delay a real, so 6.0 moves on every 7th call.
bool TimerRunsOut(int& timer, double delay) {
    if (++timer <= delay) return false;
    timer = 0;
    return true;
}

}  // namespace

void PlayFootstep() {
    if (services::SoundOn != 1 || ++StepTimer <= StepInterval) return;
    StepTimer = 0;
    StepToggle = 1 - StepToggle;
    services::PlayEffect(
        assets::PlayName(StepToggle == 0 ? assets::kSnowStep1Sound : assets::kSnowStep2Sound));
}

void StepWalkAnim() {
    if (TimerRunsOut(HeroAnimTimer, WalkAnimDelay) && ++HeroFrame > 3) HeroFrame = 0;
}

void StepPoseAnim() {
    if (TimerRunsOut(HeroAnimTimer, PoseAnimDelay) && ++HeroFrame > 4) HeroFrame = 0;
}

void StepFallAnim() {
    if (TimerRunsOut(HeroAnimTimer, PoseAnimDelay) && ++HeroFrame > 3) HeroFrame = 0;
}

void StepPushAnim() {
    if (TimerRunsOut(PushTimer, PushAnimDelay) && --PushFrame < 0) PushFrame = 3;
}

void StepHangIdleAnim() {
    if (!TimerRunsOut(HeroAnimTimer, HangAnimDelay) || ++HeroFrame <= 2) return;
    HeroFrame = 0;
    HangIdle = 0;
}

}  // namespace actors
