// Getting out of a minecart: sideways over the rails or up a ladder.
#include "actors/hero.h"
#include "actors/hero_moves.h"
#include "actors/hero_state.h"
#include "assets/asset_names.h"
#include "services/settings_values.h"
#include "services/sound_effects.h"
#include "world/carts.h"
#include "world/terrain.h"
#include "world/terrain_state.h"

namespace actors {
namespace {

constexpr int kCartKeyClickFrames = 40;  // a held control clicks this often, blocked or not
constexpr int kExitGraceFrames = 15;     // no cart can hit him this long after he got out

// Each exit moves him when nothing refuses it; true when he got out.
bool ExitLeft() {
    if (world::GroundPixel(HeroX - 32, HeroY + 32) == world::groundKey3) return false;
    HeroX -= 16;
    HeroDir = 1;
    return true;
}

bool ExitRight() {
    if (world::GroundPixel(HeroX + 32, HeroY + 32) == world::groundKey3) return false;
    HeroX += 16;
    HeroDir = 0;
    return true;
}

bool ExitUp() {
    if (world::WalkPixel(HeroX + 32, HeroY) != world::walkKey2) return false;
    HeroY -= 16;
    HeroDir = 4;
    CentreOnLadder();
    return true;
}

}  // namespace

void LeaveCart(bool leftHeld, bool rightHeld, bool upHeld) {
    if (CartKeyDelay > 0) CartKeyDelay -= 1;
    if (!leftHeld && !rightHeld && !upHeld) return;
    if (services::SoundOn == 1 && CartKeyDelay == 0) {
        services::PlayEffect(assets::PlayName(assets::kHandleUpSound));
        CartKeyDelay = kCartKeyClickFrames;
    }
    if (CartLock != 0) return;
    const bool out = leftHeld ? ExitLeft() : rightHeld ? ExitRight() : ExitUp();
    if (!out) return;
    InCart = 0;
    HeroMoving = 1;
    CartExitGrace = kExitGraceFrames;
    for (world::carts& cart : world::CartList)
        if (cart.ManInside > 0) cart.ManInside = 0;
}

}  // namespace actors
