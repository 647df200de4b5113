// Where the menus' pictures meet on screen: the buttons' pointer boxes, faces
// and highlights, and the options panel's rows. The art generator paints the
// backdrops from this table and the front end draws and hit-tests by it, so
// the two cannot drift apart.
#pragma once

#include <array>
#include <string_view>

#include "assets/asset_names.h"

namespace assets {

struct Box {
    int x, y, width, height;
};

struct MenuButton {
    std::string_view label;    // the lettering on the face
    Box pointerBox;            // the pointer selects the button over this box
    Box face;                  // the button's face on screen; the backdrop shows it unlit
    std::string_view picture;  // the highlight, drawn over the unlit face
    int frame;
    int x, y;  // where the highlight is drawn
};

// The main menu's items in MenuChoice order. The four big buttons are frames
// 0-3 of one sheet; the game draws the lower row's highlights 3 pixels above
// their pointer boxes and the upper row's 4, so their faces sit that far down
// the cell. The faces of ONLINE SCORES and close fill their pictures.
inline constexpr std::array<MenuButton, 6> kMainMenuButtons{{
    {"PLAY", {570, 560, 176, 60}, {570, 560, 176, 60}, kMenuButtonsSheet, 0, 567, 556},
    {"INFO", {791, 560, 176, 60}, {791, 560, 176, 60}, kMenuButtonsSheet, 1, 788, 556},
    {"OPTIONS", {570, 649, 176, 60}, {570, 649, 176, 60}, kMenuButtonsSheet, 2, 567, 646},
    {"CREDITS", {791, 649, 176, 60}, {791, 649, 176, 60}, kMenuButtonsSheet, 3, 788, 646},
    {"ONLINE SCORES", {585, 731, 377, 37}, {597, 720, 351, 42}, kOnlineButtonPicture, 0, 597, 720},
    {"X", {924, 478, 50, 50}, {928, 486, 42, 35}, kMenuCloseButtonPicture, 0, 928, 486},
}};
inline constexpr int kMenuPlay = 0, kMenuInfo = 1, kMenuOptions = 2, kMenuCredits = 3, kMenuOnline = 4,
                     kMenuClose = 5;

// The MENU button of the text and options screens, drawn exactly on its
// pointer box: frame 4 of the big buttons' sheet unlit, frame 5 lit.
inline constexpr MenuButton kMenuButton{
    "MENU", {820, 20, 176, 60}, {820, 20, 176, 60}, kMenuButtonsSheet, 5, 820, 20};
inline constexpr int kMenuButtonUnlitFrame = 4;

// The board behind the main menu's buttons; a click on it sounds.
inline constexpr Box kButtonPanel{568, 484, 400, 280};

// The options panel is drawn at (kOptionsX, kOptionsY); the lit row's outline
// at kOutlineX and the row's outlineY; ticks and crosses at kTickX and tickY.
inline constexpr int kOptionsX = 407, kOptionsY = 156;
inline constexpr int kOutlineX = 424, kTickX = 746;

struct OptionRow {
    std::string_view label;
    int outlineY, tickY;  // tickY 0: the row has no tick box
};

// In OptionsChoice order.
inline constexpr std::array<OptionRow, 5> kOptionRows{{{"FULLSCREEN", 162, 168},
                                                       {"WINDOW", 231, 236},
                                                       {"SOUND", 296, 302},
                                                       {"MUSIC", 361, 367},
                                                       {"REDEFINE KEYS", 439, 0}}};
inline constexpr int kRowFullScreen = 0, kRowWindow = 1, kRowSound = 2, kRowMusic = 3, kRowRedefineKeys = 4;

// The REDEFINE KEYS heading is drawn at (kHeadingOverX, kHeadingOverY) over
// the panel's own label when that row is lit; the panel's labels sit where
// the heading's lettering does, kHeadingTextX and kHeadingTextY into its cell.
inline constexpr int kHeadingOverX = 427, kHeadingOverY = 452;
inline constexpr int kHeadingTextX = 10, kHeadingTextY = 8;

}  // namespace assets
