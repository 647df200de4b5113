// DrawTextCentred's padding.
#include "shell/dialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CentredText, PadsBothSidesUntilTheScreenWidthAtLeastOnce) {
    struct Case {
        std::string_view text;
        int advance;
        std::size_t spacesEachSide;
    };
    const std::string longText(70, 'a');
    const Case cases[] = {
        {"GAME OVER!", 16, 27},                 // 10 + 2 * 27 = 64 = 1024 / 16
        {"You'd better try again...", 15, 22},  // 25 + 44 = 69 >= 68
        {"", 16, 32},
        {"x", 15, 34},      // 1 + 68 = 69
        {longText, 15, 1},  // already wider: one space each side
    };
    for (const Case& c : cases) {
        std::string expected =
            std::string(c.spacesEachSide, ' ') + std::string(c.text) + std::string(c.spacesEachSide, ' ');
        EXPECT_EQ(shell::CentredText(c.text, c.advance), expected) << "'" << c.text << "' at " << c.advance;
    }
}

}  // namespace
