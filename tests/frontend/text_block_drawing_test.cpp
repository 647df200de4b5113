// DrawTextBlock's colours and its end mark, read back from a drawn frame.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "front_end_run.h"
#include "platform/platform.h"
#include "shell/menu_drawing.h"

namespace {

struct Band {
    bool inked = false;     // some glyph pixel lies in it
    bool anyRed = false;    // some glyph pixel has red in it
    bool anyGreen = false;  // some glyph pixel has green in it
};

// The glyph pixels of rows y0..y1-1 of the frame.
Band Read(const platform::Pixels& frame, int y0, int y1) {
    Band band;
    for (int y = y0; y < y1; ++y) {
        for (int x = 0; x < 200; ++x) {
            const std::uint32_t p = frame.At(x, y) & 0xFFFFFF;
            if (p == 0) continue;
            band.inked = true;
            band.anyRed = band.anyRed || (p >> 16) != 0;
            band.anyGreen = band.anyGreen || ((p >> 8) & 0xFF) != 0;
        }
    }
    return band;
}

TEST(DrawTextBlock, ColoursByCodeKeepsThePreviousForOthersAndStopsAtTheMark) {
    // Cyan, an unknown code (stays cyan), the end mark, then a line past it.
    const std::array<shell::TextLine, 4> block{{{1, "AAA"}, {9, "AAA"}, {0, "#"}, {0, "AAA"}}};
    // A block that is only the mark: its first line is drawn all the same.
    const std::array<shell::TextLine, 1> markOnly{{{2, "#"}}};
    frontend_test::ScreenRun run;
    run.captures = {0};
    run.frameLimit = 1;
    run.screen = [&] {
        platform::ClearScreen();
        shell::DrawTextBlock(block, 0, 0.0);
        platform::DrawFontText("AAA", 0, 5.0, 16);  // after the block: white again
        shell::DrawTextBlock(markOnly, 0, 10.0);
        platform::ShowFrame();
    };
    auto result = frontend_test::RunScreen(run);
    ASSERT_EQ(result.frameCaptures.count(0), 1u) << result.message;
    const auto& frame = result.frameCaptures.at(0);

    const Band cyan = Read(frame, 0, 20), kept = Read(frame, 25, 45), past = Read(frame, 45, 100);
    EXPECT_TRUE(cyan.inked && !cyan.anyRed);
    EXPECT_TRUE(kept.inked && !kept.anyRed) << "an unknown code keeps the colour before";
    EXPECT_FALSE(past.inked) << "neither the mark nor a line after it is drawn";
    EXPECT_TRUE(Read(frame, 100, 120).anyRed) << "the block leaves the colour white";
    const Band mark = Read(frame, 200, 220);
    EXPECT_TRUE(mark.inked && mark.anyRed && !mark.anyGreen) << "a first line that is the mark, in magenta";
}

}  // namespace
