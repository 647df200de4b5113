// The bitmap font: light tan letters on black, so that the game's tint
// multiplies them into white-ish brown, magenta, cyan or yellow text.
#include <array>
#include <string_view>

#include "assets/palette.h"
#include "generators/art/glyphs.h"
#include "generators/art/paint.h"
#include "generators/art/sheets.h"
#include "generators/art/text.h"

namespace art {
namespace {

namespace pal = assets::palette;

// Three-by-five letters for the key caps.
struct MiniLetter {
    char c;
    std::array<std::string_view, 5> rows;
};
constexpr std::array<MiniLetter, 4> kMini{{
    {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'N', {"#.#", "###", "###", "#.#", "#.#"}},
}};

void DrawMini(Canvas& c, int x, int y, char letter, std::uint32_t colour) {
    for (const MiniLetter& m : kMini)
        if (m.c == letter)
            for (int j = 0; j < 5; ++j)
                for (int i = 0; i < 3; ++i)
                    if (m.rows[j][i] == '#') c.Put(x + i, y + j, colour);
}

// A raised key cap with a three-letter label, e.g. DEL.
void DrawKeyCap(Canvas& cell, std::string_view label) {
    const Ramp cap{{pal::SkinDark, pal::Straw, pal::Parchment, pal::White}};
    FillRoundRect(cell, 0, 1, 15, 18, 2, pal::Ink);
    FillRoundRect(cell, 1, 2, 13, 16, 2, cap.tone[0]);
    FillRoundRect(cell, 1, 2, 13, 13, 2, cap.tone[1]);
    FillRoundRect(cell, 2, 3, 11, 11, 1, cap.tone[2]);
    for (int i = 0; i < 3; ++i) DrawMini(cell, 2 + i * 4 - (i > 0 ? 0 : 0), 6, label[i], pal::Ink);
}

}  // namespace

void PaintFont(Canvas& c, const assets::AssetInfo& info) {
    const TextStyle style{.dot = 2,
                          .fill = {pal::Parchment, pal::Skin, pal::Skin},
                          .highlight = 0,
                          .outline = pal::Ink,
                          .shadow = 0,
                          .bold = true};
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        char ch = kCharacterSet[f];
        if (ch == '{')
            DrawKeyCap(cell, "DEL");
        else if (ch == '}')
            DrawKeyCap(cell, "END");
        else
            DrawText(cell, 2, 1, std::string_view(&ch, 1), style);
    }
}

}  // namespace art
