// Lettering from the glyph grid.
#include "generators/art/text.h"

#include <algorithm>
#include <utility>

#include "assets/palette.h"
#include "generators/art/glyphs.h"
#include "generators/art/paint.h"

namespace art {
namespace {

constexpr int kCapRows = 7;

bool Dot(char ch, int col, int row) {
    if (col < 0 || row < 0 || col >= kGlyphColumns || row >= kGlyphRows) return false;
    return GlyphOf(ch)[row][col] == '#';
}

// The glyph's used columns [first, last]; a blank glyph counts as a
// three-dot gap.
std::pair<int, int> UsedColumns(char ch) {
    int first = kGlyphColumns, last = -1;
    for (int col = 0; col < kGlyphColumns; ++col)
        for (int row = 0; row < kGlyphRows; ++row)
            if (Dot(ch, col, row)) first = std::min(first, col), last = std::max(last, col);
    if (last < 0) return {0, 2};
    return {first, last};
}

// Where each letter's grid starts, in dots from the text's left edge, and the
// text's width in dots.
std::vector<int> LetterStarts(std::string_view text, const TextStyle& s, int& widthDots) {
    std::vector<int> starts;
    int pen = 0;
    for (char ch : text) {
        if (!s.proportional) {
            starts.push_back(pen);
            pen += kGlyphColumns + s.spacing;
            continue;
        }
        auto [first, last] = UsedColumns(ch);
        starts.push_back(pen - first);
        pen += last - first + 1 + s.spacing;
    }
    widthDots = text.empty() ? 0 : pen - s.spacing;
    return starts;
}

}  // namespace

int TextWidth(std::string_view text, const TextStyle& s) {
    int width = 0;
    LetterStarts(text, s, width);
    return width * s.dot;
}

int TextHeight(const TextStyle& s) { return kCapRows * s.dot; }

void DrawText(Canvas& c, int x, int y, std::string_view text, const TextStyle& s) {
    using assets::palette::Transparent;
    int margin = 2 + s.shadowOffset, widthDots = 0;
    std::vector<int> starts = LetterStarts(text, s, widthDots);
    int w = widthDots * s.dot + 2 * margin + (s.bold ? 1 : 0), h = kGlyphRows * s.dot + 2 * margin;
    platform::Pixels scratch = BlankPicture(w, h);
    Canvas layer(scratch);
    int capHeight = kCapRows * s.dot;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        int gx = margin + starts[i] * s.dot;
        for (int py = 0; py < kGlyphRows * s.dot; ++py)
            for (int px = 0; px < kGlyphColumns * s.dot; ++px) {
                int col = px / s.dot, row = py / s.dot;
                if (!Dot(ch, col, row)) continue;
                // Small letters take one colour per dot so they stay crisp; large
                // ones blend smoothly with dithering.
                double t = std::min(1.0, (s.dot < 4 ? row * s.dot : py) / static_cast<double>(capHeight - 1));
                std::uint32_t colour = s.dot < 4
                                           ? s.fill[static_cast<std::size_t>(t * (s.fill.size() - 1) + 0.5)]
                                           : GradientAt(s.fill, t, gx + px, py);
                bool topEdge = py % s.dot == 0 && !Dot(ch, col, row - 1);
                if (s.highlight && topEdge) colour = s.highlight;
                layer.Put(gx + px, margin + py, colour);
                if (s.bold && !Dot(ch, col + 1, row) && px % s.dot == s.dot - 1)
                    layer.Put(gx + px + 1, margin + py, colour);
            }
    }
    if (s.outline) Outline(layer, s.outline);
    for (int pass = 0; pass < 2; ++pass)
        for (int py = 0; py < h; ++py)
            for (int px = 0; px < w; ++px) {
                std::uint32_t p = layer.Get(px, py);
                if (p == Transparent) continue;
                if (pass == 0 && s.shadow)
                    c.Put(x - margin + px + s.shadowOffset, y - margin + py + s.shadowOffset, s.shadow);
                if (pass == 1) c.Put(x - margin + px, y - margin + py, p);
            }
}

void DrawTextCentred(Canvas& c, int centreX, int y, std::string_view text, const TextStyle& s) {
    DrawText(c, centreX - TextWidth(text, s) / 2, y, text, s);
}

}  // namespace art
