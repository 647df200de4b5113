// The wall lantern of the maze, four flicker states.
#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

struct Flicker {
    double flameH, flameW, sway;
    int glassTone;  // how brightly the glass glows, 0-2
};
constexpr Flicker kFlicker[] = {{7, 2.4, 0, 2}, {8.5, 2.0, 0.8, 2}, {6, 2.6, -0.6, 1}, {7.5, 2.2, 0.4, 2}};

}  // namespace

void PaintLantern(Canvas& c, double cx, double top, double scale, int state) {
    const Ramp iron{{pal::Ink, pal::Iron, pal::Steel, pal::SteelLight}};
    const Flicker& f = kFlicker[state % 4];
    const std::uint32_t glass[] = {pal::GoldDark, pal::Gold, pal::Lamp};
    PartLayer pl(c);
    double s = scale;
    // Hook ring, cap, glass, base.
    FillEllipse(pl.Layer(), cx, top + 1.5 * s, 1.8 * s, 1.8 * s, iron);
    FillEllipseFlat(pl.Layer(), cx, top + 1.5 * s, 0.7 * s, 0.7 * s, pal::Ink);
    FillPolygonRamp(pl.Layer(),
                    {{cx - 2 * s, top + 3 * s},
                     {cx + 2 * s, top + 3 * s},
                     {cx + 6 * s, top + 7 * s},
                     {cx - 6 * s, top + 7 * s}},
                    iron);
    pl.Stamp(pal::Ink);
    FillRect(pl.Layer(), static_cast<int>(cx - 5 * s), static_cast<int>(top + 7 * s),
             static_cast<int>(10 * s) + 1, static_cast<int>(12 * s), glass[f.glassTone]);
    // Light falls off towards the glass edges.
    for (int y = static_cast<int>(top + 7 * s); y < static_cast<int>(top + 19 * s); ++y)
        for (int x = static_cast<int>(cx - 5 * s); x <= static_cast<int>(cx + 5 * s); ++x) {
            double dx = (x + 0.5 - cx) / (5 * s), dy = (y + 0.5 - (top + 14 * s)) / (7 * s);
            double t = 1.0 - (dx * dx + dy * dy) * 0.8 - (2 - f.glassTone) * 0.15;
            pl.Layer().Put(x, y, GradientAt({pal::GoldDark, pal::Gold, pal::Lamp, pal::GoldLight}, t, x, y));
        }
    FillEllipseFlat(pl.Layer(), cx + f.sway * s, top + (17 - f.flameH / 2) * s, f.flameW * s,
                    f.flameH / 2 * s, pal::White);
    FillEllipseFlat(pl.Layer(), cx + f.sway * s * 0.5, top + (17.5 - f.flameH / 4) * s, f.flameW * s * 0.55,
                    f.flameH / 4 * s, pal::GoldLight);
    // Bars over the glass.
    for (double bx : {-5.0, 0.0, 5.0})
        for (int y = static_cast<int>(top + 7 * s); y < static_cast<int>(top + 19 * s); ++y)
            pl.Layer().Put(static_cast<int>(cx + bx * s), y, iron.tone[1]);
    pl.Stamp(pal::Ink);
    FillPolygonRamp(pl.Layer(),
                    {{cx - 6 * s, top + 19 * s},
                     {cx + 6 * s, top + 19 * s},
                     {cx + 4 * s, top + 22 * s},
                     {cx - 4 * s, top + 22 * s}},
                    iron);
    pl.Stamp(pal::Ink);
}

void PaintLamps(Canvas& c, const assets::AssetInfo& info) {
    const Ramp iron{{pal::Ink, pal::Iron, pal::Steel, pal::SteelLight}};
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        PartLayer pl(cell);
        // Wall bracket from the left, the lantern hanging from its end.
        FillRect(pl.Layer(), 2, 2, 3, 9, iron.tone[1]);
        FillRect(pl.Layer(), 2, 3, 16, 2, iron.tone[2]);
        FillPolygon(pl.Layer(), {{4, 5}, {13, 5}, {4, 11}}, iron.tone[1]);
        pl.Stamp(pal::Ink);
        PaintLantern(cell, 17, 5, 1.15, f);
    }
}

}  // namespace art
