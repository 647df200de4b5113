// The options menu: display mode, sound and music switches, and the way to
// the controls screen. Only the cursor keys move the highlight.
#include "assets/asset_names.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "services/settings_values.h"
#include "shell/controls.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"
#include "shell/menu_drawing.h"
#include "shell/menu_tables.h"
#include "shell/sound_cues.h"

namespace shell {
namespace {

constexpr int kOptionsHeading = 1, kRedefineKeysHeading = 3;
constexpr int kTickFrame = 0, kCrossFrame = 1;

void DrawRows() {
    const auto& rows = assets::kOptionRows;
    platform::DrawFrame(assets::kMenuOptionsFramePicture, assets::kOutlineX, rows[OptionsChoice].outlineY, 0);
    const auto switches = OptionsSwitches();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OptionsSwitch& row = switches[i];
        if (row.value == nullptr) continue;
        // A switch holding neither 0 nor 1 (an edited settings file) shows nothing.
        if (*row.value == row.tickWhen)
            platform::DrawFrame(assets::kMenuOptionButtonsSheet, assets::kTickX, rows[i].tickY, kTickFrame);
        if (*row.value == 1 - row.tickWhen)
            platform::DrawFrame(assets::kMenuOptionButtonsSheet, assets::kTickX, rows[i].tickY, kCrossFrame);
    }
    if (OptionsChoice == assets::kRowRedefineKeys)
        platform::DrawFrame(assets::kMenuHeadersSheet, assets::kHeadingOverX, assets::kHeadingOverY,
                            kRedefineKeysHeading);
}

void SetDisplay(int fullScreen) {
    services::FullScreen = fullScreen;
    platform::OpenScreen(platform::kScreenWidth, platform::kScreenHeight, fullScreen == 1,
                         platform::kFramesPerSecond);
    platform::SelectBlend(platform::BlendMode::Alpha);
}

// Any value other than 1 counts as off, so a stray value toggles to 1 rather
// than flipping between two values that are neither on nor off.
int Toggled(int value) { return value == 1 ? 0 : 1; }

void RunRowAction(int row) {
    switch (row) {
        case assets::kRowFullScreen:
            if (services::FullScreen != 1) SetDisplay(1);
            break;
        case assets::kRowWindow:
            if (services::FullScreen != 0) SetDisplay(0);
            break;
        case assets::kRowSound:
            services::SoundOn = Toggled(services::SoundOn);
            break;
        case assets::kRowMusic:
            services::MusicOn = Toggled(services::MusicOn);
            if (services::MusicOn == 0) StopMenuTune();
            if (services::MusicOn == 1) StartMenuTune();
            break;
        case assets::kRowRedefineKeys:
            RedefineKeysScreen();
            break;
    }
}

int Wrapped(int choice, int count) { return (choice + count) % count; }

}  // namespace

void RunOptionsMenu() {
    const int rowCount = static_cast<int>(assets::kOptionRows.size());
    for (;;) {
        DrawMenuBackground(false);
        platform::DrawFrame(assets::kMenuOptionsPicture, assets::kOptionsX, assets::kOptionsY, 0);
        DrawHeading(kOptionsHeading);
        if (platform::KeyHitCount(platform::kKeyDown) != 0) {
            PlayEffect(kClickSound);
            OptionsChoice = Wrapped(OptionsChoice + 1, rowCount);
        }
        if (platform::KeyHitCount(platform::kKeyUp) != 0) {
            PlayEffect(kClickSound);
            OptionsChoice = Wrapped(OptionsChoice - 1, rowCount);
        }
        DrawRows();
        if (platform::KeyHitCount(platform::kKeyEnter) != 0) {
            PlayEffect(kClickSound);
            RunRowAction(OptionsChoice);
        }
        const bool menuClicked = MenuButtonClicked();
        platform::ShowFrame();
        if (platform::KeyHitCount(platform::kKeyEscape) != 0 || platform::CloseRequested() || menuClicked)
            break;
    }
    platform::WaitMs(100);
    platform::ClearKeys();
    PlayEffect(kClickSound);
}

}  // namespace shell
