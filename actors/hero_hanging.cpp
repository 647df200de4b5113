// The handle phases: grabbing (11 frames), hanging still, letting go (12
// frames) and dropping into a minecart that passes below.
#include "actors/cart_rides.h"
#include "actors/hero.h"
#include "actors/hero_pictures.h"
#include "actors/hero_state.h"
#include "platform/platform.h"
#include "world/carts.h"
#include "world/game_progress.h"

namespace actors {
namespace {

constexpr int kGrabFrames = 11;  // letting go counts back down from 12

// The hanging pictures sit two pixels lower than the standing ones.
void DrawHangFrame(int rightFacingFrame) { DrawHeroFrame(rightFacingFrame + 5 * SideOnDir(), 0, 2); }

// The grab and let-go pictures: 40, 41, 42 as the count passes 5 and 10.
void DrawGripFrame() { DrawHangFrame(40 + HeroFrame + HangCount / 5); }

// He lets go: standing where he hung, or sitting in a cart right below him.
void LetGo() {
    HangPhase = 0;
    Hanging = 0;
    HeroFrame = 0;
    InCart = 0;
    // By index: the first-time panel runs the carts once more while we walk them.
    for (std::size_t i = 0; i < world::CartList.size(); ++i) {
        const world::carts& cart = world::CartList[i];
        if (cart.ypos != HeroY || cart.xpos > HeroX + 32 || HeroX + 32 > cart.xpos + 64) continue;
        if (world::FirstCartInfo == 1) ShowCartInfo();
        world::CartList[i].ManInside = 5;
        InCart = 1;
    }
}

}  // namespace

void DrawHanging() {
    // A phase entered by an earlier check is drawn by the later one too.
    if (HangPhase == 1) {
        HangCount += 1;
        DrawGripFrame();
        if (HangCount >= kGrabFrames) HangPhase = 3;
    }
    if (HangPhase == 2) {
        HangCount -= 1;
        DrawGripFrame();
        if (HangCount <= 0) LetGo();
    }
    if (HangPhase == 3) {
        // The draw is taken every frame; one in 60 starts a swing.
        if (platform::RandomInt(1, 60) == 8 && HangIdle == 0) HangIdle = 1;
        if (HangIdle == 1) StepHangIdleAnim();
        DrawHangFrame(42 + HeroFrame);
    }
}

}  // namespace actors
