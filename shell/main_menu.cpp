// The main menu: the animated backdrop, the six items chosen by keys or the
// pointer, the quit dialog, and the way out of the program.
#include "assets/asset_names.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "services/settings_values.h"
#include "shell/dialogs.h"
#include "shell/front_end.h"
#include "shell/front_end_state.h"
#include "shell/highscores.h"
#include "shell/level_music.h"
#include "shell/menu_drawing.h"
#include "shell/menu_tables.h"
#include "shell/play_game.h"
#include "shell/sound_cues.h"
#include "shell/text_blocks.h"

namespace shell {
namespace {

constexpr int kFaceDelay = 240;
constexpr int kNoticeFirstTick = 60, kNoticeLastTick = 120, kNoticeBlipTick = 64;

struct MenuLocal {
    int lanternFrame = 0;
    int faceFrame = 0;
    int faceTimer = 0;
    bool quitRequest = false;
    int pointerX = 0, pointerY = 0;  // where the pointer was at the previous frame
};

void DrawBottomLine() {
    const bool showNotice = VersionNotice.flag != 0 && NoticeTick >= kNoticeFirstTick;
    if (showNotice) {
        platform::DrawFontText(VersionNotice.line1, 6.0, 36.0, 15);
        platform::DrawFontText(VersionNotice.line2, 6.0, 37.0, 15);
    } else {
        platform::DrawFontText(kCreditLine, 6.0, 37.0, 15);
    }
    if (VersionNotice.flag != 0) {
        NoticeTick += 1;
        if (NoticeTick > kNoticeLastTick) NoticeTick = 0;
    }
    // The fourth frame of the notice.
    if (NoticeTick == kNoticeBlipTick) PlayEffect(kClickSound);
}

void DrawAnimatedBackdrop(MenuLocal& menu) {
    platform::ClearScreen();
    platform::DrawFrame(assets::kMainMenuPicture, 0, 0, 0);
    platform::DrawFrame(assets::kMenuLampsSheet, 141, 73, menu.lanternFrame);
    platform::DrawFrame(assets::kMenuFaceSheet, 175, 313, menu.faceFrame);
    DrawBottomLine();
    if (platform::RandomInt(1, 50) < 14) menu.lanternFrame = platform::RandomInt(0, 3);
    menu.faceTimer += 1;
    if (menu.faceTimer > kFaceDelay) {
        menu.faceTimer = 0;
        menu.faceFrame ^= 1;
    }
}

void MoveByKeys() {
    const int count = static_cast<int>(assets::kMainMenuButtons.size());
    if (platform::KeyHitCount(platform::kKeyDown) != 0 || platform::KeyHitCount(platform::kKeyRight) != 0) {
        MenuChoice = MenuChoice >= count - 1 ? 0 : MenuChoice + 1;
        PlayEffect(kClickSound);
    }
    if (platform::KeyHitCount(platform::kKeyUp) != 0 || platform::KeyHitCount(platform::kKeyLeft) != 0) {
        MenuChoice = MenuChoice <= 0 ? count - 1 : MenuChoice - 1;
        PlayEffect(kClickSound);
    }
}

// Only a pointer that moved since the previous frame selects: one resting on
// a button must not take the highlight back from the keys every frame.
void MoveByPointer(MenuLocal& menu) {
    const int x = platform::PointerX(), y = platform::PointerY();
    const bool moved = x != menu.pointerX || y != menu.pointerY;
    menu.pointerX = x;
    menu.pointerY = y;
    if (!moved) return;
    const auto& items = assets::kMainMenuButtons;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (PointerOver(items[i].pointerBox) && i != MenuChoice) {
            MenuChoice = i;
            PlayEffect(kClickSound);
        }
    }
}

void DrawHighlight() {
    const assets::MenuButton& item = assets::kMainMenuButtons[MenuChoice];
    platform::DrawFrame(item.picture, item.x, item.y, item.frame);
}

bool Activated() {
    bool activated = false;
    if (platform::PointerClicks(1) != 0) {
        activated = true;
        if (PointerOver(assets::kButtonPanel)) PlayEffect(kClickSound);
    }
    if (platform::KeyHitCount(platform::kKeyEnter) != 0 || platform::KeyHitCount(services::KeyFire) != 0)
        activated = true;
    return activated;
}

void PlayOneGame() {
    SelectDifficulty();
    if (services::MusicOn == 1) StopMenuTune();
    PlayEffect(kClickSound);
    ShowStory();
    if (services::MusicOn == 1) StartLevelMusic();
    PlayGame();
    if (services::MusicOn == 1) {
        StopLevelMusic();
        StartMenuTune();
    }
}

void RunItem(int item, MenuLocal& menu) {
    switch (item) {
        case assets::kMenuPlay:
            PlayOneGame();
            break;
        case assets::kMenuInfo:
            ShowInstructions();
            break;
        case assets::kMenuOptions:
            RunOptionsMenu();
            break;
        case assets::kMenuCredits:
            ShowCredits();
            break;
        case assets::kMenuOnline:
            ShowHighscores(0);
            break;
        case assets::kMenuClose:
            menu.quitRequest = true;
            break;
    }
}

}  // namespace

void RunMainMenu() {
    if (services::MusicOn == 1) StartMenuTune();
    MenuLocal menu;
    menu.pointerX = platform::PointerX();
    menu.pointerY = platform::PointerY();
    for (;;) {
        DrawAnimatedBackdrop(menu);
        MoveByKeys();
        MoveByPointer(menu);
        DrawHighlight();
        if (Activated()) RunItem(MenuChoice, menu);
        if (platform::KeyHitCount(platform::kKeyEscape) != 0 || menu.quitRequest) {
            menu.quitRequest = RunConfirmDialog("Exit from Windows?");
        }
        platform::ShowFrame();
        if (menu.quitRequest || platform::CloseRequested()) break;
    }
    PlayEffect(assets::PlayName(assets::kPoofSound));
    platform::WaitMs(1000);
}

}  // namespace shell
