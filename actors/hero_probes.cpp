// The lift and ladder tests of the hero's steps.
#include "actors/hero.h"
#include "actors/hero_state.h"
#include "platform/platform.h"
#include "world/ladders.h"
#include "world/lifts.h"

namespace actors {
namespace {

// His probe strip against a cage: a narrow strip at his front foot, facing
// right or left. Seen from behind (climbing) he is over no lift.
bool ProbeTouchesCage(const world::lifts& lift) {
    if (HeroDir == 0) return platform::RectsOverlap(HeroX + 31, HeroY, 4, 64, lift.xpos, lift.ypos, 48, 68);
    if (HeroDir == 1) return platform::RectsOverlap(HeroX + 26, HeroY, 8, 64, lift.xpos, lift.ypos, 48, 68);
    return false;
}

}  // namespace

bool HeroOverLift() {
    for (const world::lifts& lift : world::LiftList) {
        if (!ProbeTouchesCage(lift)) continue;
        // The first cage touched decides, even when its floor is not at his feet.
        if (RidingLift == 0 && HeroY + 64 == lift.ypos + 62) {
            Falling = 0;
            OnLift = 1;
            return true;
        }
        break;
    }
    OnLift = 0;
    return false;
}

void CentreOnLadder() {
    for (const world::ladders& ladder : world::LadderList) {
        // A centred hero's foot column x + 31 is the ladder's x + 18.
        const int centre = ladder.x + 18;
        if (Falling != 0 || HeroX + 31 == centre ||
            !platform::RectsOverlap(HeroX + 31, HeroY + 63, 1, 1, ladder.x, ladder.y, ladder.w, ladder.h))
            continue;
        if (HeroX + 31 < centre) HeroX += 1;
        if (HeroX + 31 > centre) HeroX -= 1;
    }
}

}  // namespace actors
