// Where the menus' pictures meet: the highlight positions the game draws at,
// so the backdrop's unlit buttons and the option panel's rows lie beneath them.
#pragma once

#include <array>
#include <string_view>

namespace art {

struct MenuButton {
    std::string_view label;
    int x, y;          // where the game draws the lit picture, screen pixels
    int faceX, faceY;  // the button's face inside that picture: where the pointer box lies
};

// The four big buttons of the main menu, in frame order of the highlights.
// The game draws the lower row's highlights 3 pixels above their pointer
// boxes and the upper row's 4, so their faces sit that far down the cell.
inline constexpr std::array<MenuButton, 4> kMainButtons{{{"PLAY", 567, 556, 3, 4},
                                                         {"INFO", 788, 556, 3, 4},
                                                         {"OPTIONS", 567, 646, 3, 3},
                                                         {"CREDITS", 788, 646, 3, 3}}};
// The MENU button of the other screens: drawn exactly at its pointer box.
inline constexpr MenuButton kMenuButton{"MENU", 820, 20, 0, 0};
inline constexpr MenuButton kOnlineButton{"ONLINE SCORES", 597, 720, 0, 0};
inline constexpr MenuButton kCloseButton{"X", 928, 486, 0, 0};
// The board behind the buttons (the panel the click sound listens to).
inline constexpr int kPanelX = 568, kPanelY = 484, kPanelW = 400, kPanelH = 280;

// The face of a big button: its pointer box.
inline constexpr int kFaceW = 176, kFaceH = 60;
inline constexpr int kButtonDot = 3;

// The options panel is drawn at (407, 156); the row outline at x 424 and
// the row's y; ticks at x 746 and the tick y.
inline constexpr int kOptionsX = 407, kOptionsY = 156;
inline constexpr int kOutlineX = 424;
inline constexpr int kTickX = 746;
struct OptionRow {
    std::string_view label;
    int outlineY, tickY;  // tickY 0: the row has no tick box
};
inline constexpr std::array<OptionRow, 5> kOptionRows{{{"FULLSCREEN", 162, 168},
                                                       {"WINDOW", 231, 236},
                                                       {"SOUND", 296, 302},
                                                       {"MUSIC", 361, 367},
                                                       {"REDEFINE KEYS", 439, 0}}};
// The REDEFINE KEYS heading is drawn at (427, 452) over the panel's own
// label when that row is lit; the labels sit where the heading's text does.
inline constexpr int kHeadingOverX = 427, kHeadingOverY = 452;
inline constexpr int kHeadingTextX = 10, kHeadingTextY = 8;

}  // namespace art
