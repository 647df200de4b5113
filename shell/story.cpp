// The story screen shown before every game.
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "services/key_scan.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"
#include "shell/menu_drawing.h"
#include "shell/sound_cues.h"
#include "shell/text_blocks.h"

namespace shell {

void ShowStory() {
    DrawMenuBackground(false);
    DrawTextBlock(StoryText(), 28, 9.0);
    platform::ShowFrame();
    PlayEffect(assets::PlayName(assets::kTeleportSound));
    services::WaitForAnyKey();
    PlayEffect(kClickSound);
    // PLAY is highlighted again when the game returns to the menu.
    MenuChoice = 0;
}

}  // namespace shell
