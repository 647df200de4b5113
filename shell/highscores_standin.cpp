// Stand-in for the highscore screen until it is built: shows the personal
// best and returns on a key or the close request. No exchange with a server.
#include <string>

#include "assets/asset_names.h"
#include "platform/platform.h"
#include "services/key_scan.h"
#include "services/settings_values.h"
#include "shell/highscores.h"

namespace shell {

void ShowHighscores(int /*syncNow*/) {
    platform::ClearKeys();
    for (;;) {
        platform::ClearScreen();
        platform::DrawFrame(assets::kMenuGenericPicture, 0, 0, 0);
        platform::DrawFontText("ONLINE SCORES", 25.5, 10.0, 16);
        platform::DrawFontText("Personal best: " + std::to_string(services::PersonalBest), 21.0, 14.0, 16);
        platform::DrawFontText("Press any key to return.", 20.0, 20.0, 16);
        platform::ShowFrame();
        services::PollMenuKey();
        if (services::MenuKeyResult != 0 || platform::CloseRequested()) break;
    }
    platform::ClearKeys();
}

}  // namespace shell
