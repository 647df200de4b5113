// The difficulty choice before every game. Escape confirms like fire: there
// is no way back to the menu from here.
#include "assets/asset_names.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "services/settings_values.h"
#include "shell/front_end.h"
#include "shell/menu_drawing.h"
#include "shell/sound_cues.h"

namespace shell {
namespace {

constexpr int kEasy = 1, kNormal = 2;

void DrawDifficultyFrame() {
    DrawMenuBackground(false);
    platform::DrawFrame(assets::kSelectDifficultyPicture, 284, 284, 0);
    platform::SetDrawColour(255, 0, 255);
    if (services::Difficulty == kEasy) platform::DrawFontText(">  EASY  <", 27.0, 19.5, 16);
    if (services::Difficulty == kNormal) platform::DrawFontText("> NORMAL <", 27.0, 19.5, 16);
    platform::SetDrawColour(255, 255, 255);
}

}  // namespace

void SelectDifficulty() {
    PlayEffect(kClickSound);
    platform::WaitMs(150);
    platform::ClearKeys();
    bool chosen = false;
    while (!chosen) {
        DrawDifficultyFrame();
        if (platform::KeyHitCount(services::KeyLeft) != 0 && services::Difficulty == kNormal) {
            services::Difficulty = kEasy;
            PlayEffect(kClickSound);
        }
        if (platform::KeyHitCount(services::KeyRight) != 0 && services::Difficulty == kEasy) {
            services::Difficulty = kNormal;
            PlayEffect(kClickSound);
        }
        chosen = platform::KeyHitCount(services::KeyFire) != 0 ||
                 platform::KeyHitCount(platform::kKeyEnter) != 0 ||
                 platform::KeyHitCount(platform::kKeyEscape) != 0;
        platform::ShowFrame();
    }
    platform::WaitMs(150);
    platform::ClearKeys();
}

}  // namespace shell
