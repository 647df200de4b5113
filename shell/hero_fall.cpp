// The fall through a shaft or off a broken ladder: frames of the world going
// on around the falling hero, no input read and the elves standing still,
// until he lands dead; then the thud and the load he loses where he landed.
#include "shell/hero_fall.h"

#include "actors/cart_rides.h"
#include "actors/effects.h"
#include "actors/elves.h"
#include "actors/hero_drawing.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "actors/lift_rides.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "services/sound_effects.h"
#include "shell/hud.h"
#include "world/game_progress.h"
#include "world/lamps.h"

namespace shell {
namespace {

void DrawFallFrame() {
    platform::ClearScreen();
    DrawLevelAndHud();
    world::UpdateLamps();
    actors::UpdateItems();
    actors::UpdateParticles();
    actors::UpdateLifts();
    actors::DrawWheelbarrow();
    actors::DrawHero(2);
    actors::UpdateCarts();
    actors::DrawElves();  // an elf may still catch him on the way down
    actors::UpdatePoofs();
    platform::ShowFrame();
}

// What he carried drops where he landed and falls on as an item.
void LoseLoad() {
    using actors::HeroX, actors::HeroY;
    actors::SpawnParticleBurst(HeroX + 16, HeroY + 16, 3);
    services::PlayEffect(assets::PlayName(assets::kDropPackageSound));
    actors::CreateItem(HeroX + 16, HeroY + 16, actors::Carried, 1);
    actors::Carried = 0;
    actors::HeroSpeed = 3;
}

}  // namespace

void RunHeroFall() {
    if (actors::Falling != 1) return;
    do DrawFallFrame();
    while (world::Dying <= 0);
    services::PlayEffect(assets::PlayName(assets::kHitMineCartSound));  // the thud of the landing
    if (actors::Carried > 0) LoseLoad();
}

}  // namespace shell
