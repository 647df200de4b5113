// DrawDialogFrame, DrawTextCentred and RunConfirmDialog.
#include "shell/dialogs.h"

#include <initializer_list>

#include "assets/asset_names.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "services/settings_values.h"

namespace shell {
namespace {

constexpr int kTileSize = 64, kTileColumns = 16, kTileRows = 12, kCheckerTile = 10;

// Stops at the first key of the group that was hit, like the game's other
// "or else" key tests, so later keys keep their presses.
bool AnyHit(std::initializer_list<int> keys) {
    for (int key : keys) {
        if (platform::KeyHitCount(key) != 0) return true;
    }
    return false;
}

}  // namespace

void DrawDialogFrame() {
    platform::SelectBlend(platform::BlendMode::Alpha);
    platform::SetDrawAlpha(0.25);
    platform::SetDrawColour(128, 128, 128);
    for (int row = 0; row < kTileRows; ++row) {
        for (int column = 0; column < kTileColumns; ++column) {
            platform::DrawFrame(assets::kHeroSheet, kTileSize * column, kTileSize * row, kCheckerTile);
        }
    }
    platform::SetDrawAlpha(1.0);
    platform::SetDrawColour(255, 255, 255);
    platform::DrawFrame(assets::kEmptyDialogPicture, 284, 284, 0);
}

std::string CentredText(std::string_view text, int advance) {
    const std::size_t width = static_cast<std::size_t>(platform::kScreenWidth / advance);
    std::string padded(text);
    do {
        padded = " " + padded + " ";
    } while (padded.size() < width);
    return padded;
}

void DrawTextCentred(std::string_view text, double row, int advance) {
    platform::DrawFontText(CentredText(text, advance), 0.0, row, advance);
}

bool RunConfirmDialog(std::string_view question) {
    for (;;) {
        DrawDialogFrame();
        platform::SetDrawColour(255, 0, 128);
        platform::DrawFontText("Y  RIGHT    ENTER", 20.5, 19.0, 15);
        platform::DrawFontText("N  LEFT    ESCAPE", 20.5, 20.5, 15);
        platform::SetDrawColour(255, 255, 255);
        platform::DrawFontText(question, 23.0, 16.5, 16);
        platform::DrawFontText(" ,       or       to exit", 20.5, 19.0, 15);
        platform::DrawFontText(" ,      or        to return", 20.5, 20.5, 15);
        platform::ShowFrame();

        bool answered = false, yes = false;
        if (AnyHit({platform::kKeyY, platform::kKeyRight, services::KeyRight, platform::kKeyEnter}))
            answered = yes = true;
        if (AnyHit({platform::kKeyN, platform::kKeyEscape, platform::kKeyLeft, services::KeyLeft})) {
            answered = true;
            yes = false;
        }
        if (answered) {
            platform::WaitMs(125);
            platform::ClearKeys();
            return yes;
        }
    }
}

}  // namespace shell
