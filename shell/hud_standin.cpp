// Stand-in until the display line is built (replaced by the play loop's work):
// the level picture and the wall, without the display line.
#include "actors/items.h"
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "shell/hud.h"
#include "world/view.h"

namespace shell {

void DrawLevelAndHud() {
    platform::DrawFrame(assets::kLevelPicture, 0, 0, world::ScreenHalf);
    if (actors::WallStrength > 0 && world::ScreenHalf == 0)
        platform::DrawFrame(assets::kWallSheet, 808, 570, actors::WallStrength);
}

}  // namespace shell
