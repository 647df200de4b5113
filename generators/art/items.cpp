// The items: the pick-up outline, the two presents, the axe stuck in the
// ground and the question mark for unknown kinds.
#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/paint.h"
#include "generators/art/sheets.h"
#include "generators/art/text.h"

namespace art {
namespace {

namespace pal = assets::palette;

// The pick-up test collides the hero with this frame, so it must not be empty;
// the game never draws it.
void PaintPickupOutline(Canvas& cell) {
    int w = cell.Width(), h = cell.Height();
    for (int i = 0; i < w; ++i) cell.Put(i, 0, pal::White), cell.Put(i, h - 1, pal::White);
    for (int j = 0; j < h; ++j) cell.Put(0, j, pal::White), cell.Put(w - 1, j, pal::White);
}

void PaintQuestion(Canvas& cell) {
    TextStyle s{.dot = 4,
                .fill = {pal::BlueLight, pal::Blue, pal::NightLight},
                .highlight = pal::Snow,
                .outline = pal::Ink,
                .shadow = pal::Ink};
    DrawText(cell, 6, 2, "?", s);
}
}  // namespace

void PaintItems(Canvas& c, const assets::AssetInfo& info) {
    auto cell = [&](int f) { return c.Cell(f, info.cellWidth, info.cellHeight); };
    Canvas outline = cell(0), small = cell(1), big = cell(2), axe = cell(3), question = cell(4);
    PaintPickupOutline(outline);
    PaintPresent(small, 7, 13, 18, 18, PresentStyle::Small);
    PaintPresent(big, 2, 5, 28, 26, PresentStyle::Big);
    PaintStuckAxe(axe);
    PaintQuestion(question);
}

}  // namespace art
