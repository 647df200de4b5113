// Where the menus' items sit and how they are highlighted, as data.
#pragma once

#include <span>
#include <string_view>

namespace shell {

struct Box {
    int x, y, width, height;
};

// A main menu item in MenuChoice order.
struct MenuItem {
    std::string_view label;
    Box pointerBox;            // the pointer selects the item over this box
    std::string_view picture;  // the highlight, drawn over the backdrop's unlit button
    int frame;
    int x, y;
};

// An options row in OptionsChoice order.
struct OptionsRow {
    std::string_view label;
    int outlineY;  // "gfx\\menuoptionsframe.png" at x 424
    int tickY;     // the tick (frame 0) or cross (frame 1) at x 746
    int* value;    // the switch shown by the tick; none for REDEFINE KEYS
    int tickWhen;  // the tick shows at this value, the cross at the other of 0 and 1
};

std::span<const MenuItem> MainMenuItems();
std::span<const OptionsRow> OptionsRows();

inline constexpr int kMenuPlay = 0, kMenuInfo = 1, kMenuOptions = 2, kMenuCredits = 3, kMenuOnline = 4,
                     kMenuClose = 5;
inline constexpr int kRowFullScreen = 0, kRowWindow = 1, kRowSound = 2, kRowMusic = 3, kRowRedefineKeys = 4;

// A click inside the button panel clicks; elsewhere it activates silently.
inline constexpr Box kButtonPanel{568, 484, 400, 280};
// The MENU button of the text and options screens.
inline constexpr Box kMenuButton{820, 20, 176, 60};
// The pointer is a 2 by 2 box at its position.
inline constexpr int kPointerSize = 2;

inline constexpr int kOutlineX = 424, kTickX = 746;

}  // namespace shell
