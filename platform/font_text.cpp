// The game's own helpers on the layer: bitmap font text and the box test.
#include "platform/font_text.h"

#include <string_view>

#include "assets/asset_names.h"
#include "platform/platform.h"

namespace platform {
namespace {

// The font sheet's glyphs in frame order; the curly brackets hold the DEL and
// END key caps, and the last character is the space.
constexpr std::string_view kCharacterSet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz?!-,.:;'()<>/+@{} ";
constexpr int kQuestionMark = 62;
constexpr int kSpace = 79;
constexpr double kRowHeight = 20.0;

}  // namespace

std::vector<Glyph> FontGlyphs(std::string_view text, double column, double row, double advance) {
    std::vector<Glyph> glyphs;
    int left = static_cast<int>(column * advance);  // truncated toward zero
    int top = static_cast<int>(row * kRowHeight);
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto found = kCharacterSet.find(text[i]);
        int frame = found == std::string_view::npos ? kQuestionMark : static_cast<int>(found);
        if (frame == kSpace) continue;
        glyphs.push_back({frame, static_cast<int>(left + static_cast<double>(i) * advance), top});
    }
    return glyphs;
}

void DrawFontText(std::string_view text, double column, double row, double advance) {
    Image font = FindImage(assets::kFontSheet);
    for (const Glyph& g : FontGlyphs(text, column, row, advance)) DrawFrame(font, g.x, g.y, g.frame);
}

bool RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
    return !(x1 > x2 + w2 || x1 + w1 < x2 || y1 > y2 + h2 || y1 + h1 < y2);
}

}  // namespace platform
