// Where font text goes, and the box test.
#include <gtest/gtest.h>

#include "platform/font_text.h"
#include "platform/platform.h"

namespace platform {
void PrintTo(const Glyph& g, std::ostream* os) { *os << "{" << g.frame << ", " << g.x << ", " << g.y << "}"; }
}  // namespace platform

namespace {

TEST(FontText, GlyphsAtHalfColumnsWithUnknownCharactersAsQuestionMarks) {
    using G = platform::Glyph;
    EXPECT_EQ(platform::FontGlyphs("A?b", 2.5, 3.0, 16),
              (std::vector<G>{{10, 40, 60}, {62, 56, 60}, {37, 72, 60}}));
    EXPECT_EQ(platform::FontGlyphs("#*", 0, 0, 16), (std::vector<G>{{62, 0, 0}, {62, 16, 0}}));
}

TEST(FontText, SpacesAdvanceWithoutDrawing) {
    using G = platform::Glyph;
    EXPECT_EQ(platform::FontGlyphs("0 z", 1, 22.5, 15), (std::vector<G>{{0, 15, 450}, {61, 45, 450}}));
    EXPECT_EQ(platform::FontGlyphs("{}", 0, 1, 16), (std::vector<G>{{77, 0, 20}, {78, 16, 20}}));
}

struct BoxCase {
    int x1, y1, w1, h1, x2, y2, w2, h2;
    bool overlap;
};

TEST(RectsOverlap, ComparesWithTheFarEdge) {
    const BoxCase cases[] = {
        {0, 0, 10, 10, 10, 0, 10, 10, true},   // touching edges
        {0, 0, 10, 10, 11, 0, 10, 10, false},  // one pixel apart
        {0, 0, 10, 10, 0, 10, 10, 10, true},  {0, 0, 10, 10, 0, -11, 10, 10, false},
        {5, 5, 1, 1, 0, 0, 20, 20, true},      // inside
        {0, 0, 10, 10, -10, 0, 10, 10, true},  // touching from the left
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::RectsOverlap(c.x1, c.y1, c.w1, c.h1, c.x2, c.y2, c.w2, c.h2), c.overlap)
            << c.x1 << "," << c.y1 << "," << c.w1 << "," << c.h1 << " vs " << c.x2 << "," << c.y2 << ","
            << c.w2 << "," << c.h2;
}

}  // namespace
