// Every key of the key-name table can be pressed: some scancode reports its code.
#include "platform/key_codes.h"

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

struct LayoutCase {
    int scancode;
    int keycode;  // what the layout types there
    int expected;
    const char* key;
};

TEST(KeyCodes, LettersFollowTheLayoutAndTheRestThePosition) {
    // SDL scancodes: 4 A, 16 M, 20 Q, 28 Y, 29 Z, 9 F, 30 the 1 key, 51 semicolon, 224 left Ctrl.
    const LayoutCase cases[] = {
        {4, 'a', 65, "US A"},
        {28, 'z', 90, "German Z, where a US keyboard has Y"},
        {29, 'y', 89, "German Y"},
        {20, 'a', 65, "French A, where a US keyboard has Q"},
        {51, 'm', 77, "French M, beside L"},
        {16, ',', 188, "French comma, where a US keyboard has M"},
        {9, 0x430, 70, "a Cyrillic letter keeps its position"},
        {30, '&', 49, "French top row: still the digit 1"},
        {51, 0xF6, 186, "German o-umlaut keeps its position"},
        {224, 0x400000E0, 162, "left Ctrl"},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::KeyCodeOfKey(c.scancode, c.keycode), c.expected) << c.key;
}

}  // namespace
