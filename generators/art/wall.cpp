// The breakable wall: a boarded barricade chopped down frame by frame, whole
// in the last frame with a round no-entry sign nailed on.
#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

const Ramp kBoard{{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}};

// Board tops of each damaged state, one height per board (pixels from the top).
constexpr int kBoardTops[6][4] = {{54, 54, 54, 54}, {44, 40, 46, 42}, {34, 28, 36, 30},
                                  {22, 16, 24, 18}, {10, 4, 12, 6},   {2, 0, 2, 0}};

void Boards(Canvas& c, int strength) {
    for (int b = 0; b < 4; ++b) {
        int x0 = 1 + b * 8, top = kBoardTops[strength][b];
        for (int y = top; y < c.Height(); ++y)
            for (int x = x0; x < x0 + 7; ++x) {
                // Splintered tops on the broken boards.
                bool jag = strength < 5 && y < top + 3 && ((x + y) % 3 == 0 || (y == top && x % 2));
                if (jag) continue;
                double t = 0.75 - 0.5 * (x - x0) / 6.0 + 0.15 * Noise(x, y / 4, b);
                c.Put(x, y, x == x0 ? kBoard.tone[3] : ShadeAt(kBoard, t, x, y));
            }
        for (int y = top + 5; y < c.Height(); y += 9) c.Put(x0 + 3, y, pal::WoodDark);
    }
    // Cross rails with nails, where the boards still reach.
    for (int rail : {14, 40}) {
        if (kBoardTops[strength][0] > rail) continue;
        for (int x = 0; x < 32; ++x)
            for (int y = rail; y < rail + 4; ++y)
                if (c.Get(x, y) != pal::Transparent) c.Put(x, y, y == rail ? kBoard.tone[2] : kBoard.tone[1]);
        for (int x = 4; x < 32; x += 8) c.Put(x, rail + 1, pal::SteelLight);
    }
}

void Sign(Canvas& c) {
    // A flat enamel disc: white rim, red face lit at the top-left, white bar.
    FillEllipseFlat(c, 16, 27, 10.5, 10.5, pal::Snow);
    for (int y = 16; y < 38; ++y)
        for (int x = 5; x < 27; ++x) {
            double dx = x + 0.5 - 16, dy = y + 0.5 - 27;
            if (dx * dx + dy * dy > 8.5 * 8.5) continue;
            double lit = -(dx + dy) / 12.0;
            c.Put(x, y, lit > 0.45 ? pal::RedLight : lit < -0.55 ? pal::RedDark : pal::Red);
        }
    FillRect(c, 10, 25, 12, 4, pal::White);
    for (int x = 10; x < 22; ++x) c.Put(x, 28, pal::SnowShadow);
    c.Put(16, 17, pal::Iron), c.Put(16, 37, pal::Iron);
}

}  // namespace

void PaintWall(Canvas& c, const assets::AssetInfo& info) {
    // Frame 0 stays empty: the wall is gone.
    for (int f = 1; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        PartLayer pl(cell);
        Boards(pl.Layer(), f);
        pl.Stamp(pal::Ink);
        if (f == info.frames - 1) {
            Sign(pl.Layer());
            pl.Stamp(pal::Ink);
        }
    }
}

}  // namespace art
