// Stand-in for the play loop until it is built: shows the level picture and
// returns to the menu on a key or the close request, ending the way a game
// ends (pause, keys cleared, click).
#include "assets/asset_names.h"
#include "platform/platform.h"
#include "services/key_scan.h"
#include "shell/play_game.h"
#include "shell/sound_cues.h"
#include "world/view.h"

namespace shell {

void PlayGame() {
    for (;;) {
        platform::ClearScreen();
        platform::DrawFrame(assets::kLevelPicture, 0, 0, world::ScreenHalf);
        platform::DrawFontText("The game itself is not built yet.", 16.0, 18.0, 16);
        platform::DrawFontText("Press any key to return to the menu.", 14.0, 19.5, 16);
        platform::ShowFrame();
        services::PollMenuKey();
        if (services::MenuKeyResult != 0 || platform::CloseRequested()) break;
    }
    platform::WaitMs(125);
    platform::ClearKeys();
    PlayEffect(kClickSound);
}

}  // namespace shell
