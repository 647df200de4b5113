// Stand-in for the controls screen until it is built: shows the five keys'
// names and returns on Escape or the close request. Redefining comes later.
#include <array>
#include <string_view>

#include "assets/asset_names.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "services/key_names.h"
#include "services/settings_values.h"
#include "shell/controls.h"

namespace shell {
namespace {

struct ControlRow {
    std::string_view label;
    const int* key;
    double row;
};

const std::array<ControlRow, 5> kRows{{
    {"Left", &services::KeyLeft, 10},
    {"Right", &services::KeyRight, 12},
    {"up", &services::KeyUp, 14},
    {"down", &services::KeyDown, 16},
    {"Fire", &services::KeyFire, 18},
}};

}  // namespace

void RedefineKeysScreen() {
    platform::ClearKeys();
    for (;;) {
        platform::ClearScreen();
        platform::DrawFrame(assets::kMenuGenericPicture, 0, 0, 0);
        platform::DrawFrame(assets::kMenuHeadersSheet, 64, 48, 3);
        for (const ControlRow& row : kRows) {
            platform::DrawFontText(row.label, 32, row.row, 16);
            platform::DrawFontText(services::FindKeyName(*row.key).name, 44, row.row, 16);
        }
        platform::DrawFontText("Press ESC to return.", 32.5, 24.0, 16);
        platform::ShowFrame();
        if (platform::KeyHitCount(platform::kKeyEscape) != 0 || platform::CloseRequested()) break;
    }
    platform::ClearKeys();
}

}  // namespace shell
