// Stand-in until the hero's movement and drawing are built (replaced by that
// work): he stands at the start, drawn in his standing picture.
#include "actors/hero.h"
#include "actors/hero_drawing.h"
#include "actors/hero_state.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "world/view.h"

namespace actors {

void UpdateHero() { world::ScreenHalf = HeroX > 995 ? 1 : 0; }

void DrawHero(int) { platform::DrawFrame(assets::kHeroSheet, HeroX - 1024 * world::ScreenHalf, HeroY, 0); }

}  // namespace actors
