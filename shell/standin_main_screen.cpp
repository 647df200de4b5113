// The stand-in main screen.
#include "shell/standin_main_screen.h"

#include "shell/platform/platform.h"

namespace shell {

void RunStandInMainScreen() {
    constexpr int kEscape = 27;
    platform::ClearKeys();
    for (;;) {
        platform::ClearScreen();
        platform::DrawFrame("gfx\\mainmenu.png", 0, 0, 0);
        platform::SetDrawColour(255, 255, 0);
        platform::DrawFontText("Press ESC to leave", 23.0, 36.0, 16);
        platform::SetDrawColour(255, 255, 255);
        platform::ShowFrame();
        if (platform::KeyHitCount(kEscape) > 0 || platform::CloseRequested()) return;
    }
}

}  // namespace shell
