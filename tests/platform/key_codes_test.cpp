// Every key of the key-name table can be pressed: some scancode reports its code.
#include "shell/platform/key_codes.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(KeyCodes, EveryNamedKeyHasAScancode) {
    std::set<int> reachable;
    for (int scancode = 0; scancode < 512; ++scancode)
        reachable.insert(platform::KeyCodeOfScancode(scancode));
    // The codes of the controls screen's key names (Backspace ... Slash).
    const int named[] = {8,   9,   13,  19,  20,  27,  32,  33,  34,  35,  36,  37,  38,  39,  40,  45,  46,
                         47,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  65,  66,  67,  68,  69,  70,
                         71,  72,  73,  74,  75,  76,  77,  78,  79,  80,  81,  82,  83,  84,  85,  86,  87,
                         88,  89,  90,  91,  92,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107,
                         109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 144, 145,
                         160, 161, 162, 163, 164, 165, 192, 219, 221, 226, 186, 222, 188, 190, 191};
    for (int code : named) EXPECT_TRUE(reachable.count(code)) << "no key reports code " << code;
}

TEST(KeyCodes, SidesAndNumpadAreDistinct) {
    // SDL scancodes: 224-230 are left Ctrl, Shift, Alt, GUI, right Ctrl, Shift, Alt.
    EXPECT_EQ(platform::KeyCodeOfScancode(224), 162);
    EXPECT_EQ(platform::KeyCodeOfScancode(228), 163);
    EXPECT_EQ(platform::KeyCodeOfScancode(225), 160);
    EXPECT_EQ(platform::KeyCodeOfScancode(229), 161);
    EXPECT_EQ(platform::KeyCodeOfScancode(226), 164);
    EXPECT_EQ(platform::KeyCodeOfScancode(230), 165);
    EXPECT_EQ(platform::KeyCodeOfScancode(98), 96);  // keypad 0
    EXPECT_EQ(platform::KeyCodeOfScancode(39), 48);  // main row 0
    EXPECT_EQ(platform::KeyCodeOfScancode(0), -1);
}

}  // namespace
