// How the menus' items behave, as data; where they sit comes from the shared
// menu layout (assets/menu_layout.h).
#pragma once

#include <span>

#include "assets/menu_layout.h"

namespace shell {

// The switch an options row shows, in OptionsChoice order, beside the row's
// place in assets::kOptionRows.
struct OptionsSwitch {
    int* value;    // the switch shown by the tick; none for REDEFINE KEYS
    int tickWhen;  // the tick shows at this value, the cross at the other of 0 and 1
};

std::span<const OptionsSwitch> OptionsSwitches();

// The pointer is a 2 by 2 box at its position.
inline constexpr int kPointerSize = 2;

}  // namespace shell
