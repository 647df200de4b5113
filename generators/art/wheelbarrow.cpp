// The wheelbarrow: resting on its leg, then lifted by the handles for
// pushing, with the wheel in four positions.
#include <cmath>

#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

constexpr double kWheelX = 50.5, kWheelY = 56.5, kWheelR = 7;

// Tilt about the wheel's axle: lifting the handles turns the barrow.
struct Tilt {
    double angle;
    Point operator()(Point p) const {
        double s = std::sin(angle), c = std::cos(angle), x = p.x - kWheelX, y = p.y - kWheelY;
        return {kWheelX + x * c - y * s, kWheelY + x * s + y * c};
    }
    std::vector<Point> operator()(std::vector<Point> pts) const {
        for (Point& p : pts) p = (*this)(p);
        return pts;
    }
};

void Barrow(Canvas& cell, bool lifted, int wheel) {
    const Ramp wood{{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}};
    const Ramp tray{{pal::RedDark, pal::Red, pal::RedLight, pal::RedLight}};
    const Ramp iron{{pal::Ink, pal::Iron, pal::Steel, pal::SteelLight}};
    Tilt t{lifted ? 0.12 : 0.0};
    PartLayer pl(cell);
    // Handles and the leg beneath them.
    Point h0 = t({2, 37}), h1 = t({46, 47});
    FillCapsule(pl.Layer(), h0.x, h0.y, h1.x, h1.y, 1.6, wood);
    Point l0 = t({15, 41}), l1 = t({13, 62});
    FillCapsule(pl.Layer(), l0.x, l0.y, l1.x, l1.y, 1.4, iron);
    pl.Stamp(pal::Ink);
    // The tray, painted red like a sleigh.
    FillPolygonRamp(pl.Layer(), t(std::vector<Point>{{10, 27}, {58, 25}, {52, 47}, {20, 47}}), tray);
    Canvas& c = pl.Layer();
    std::vector<Point> rim = t(std::vector<Point>{{9, 26}, {59, 24}, {59, 27}, {9, 29}});
    FillPolygon(c, rim, pal::Gold);
    for (int i = 0; i < 3; ++i) {
        Point a = t({20.0 + i * 12, 31}), b = t({24.0 + i * 10, 45});
        Line(c, static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x), static_cast<int>(b.y),
             pal::RedDark);
    }
    pl.Stamp(pal::Ink);
    // The wheel: the spokes turn clockwise as the frames count down.
    PaintWheel(pl.Layer(), kWheelX, kWheelY, kWheelR, (4 - wheel) * 0.3927);
    pl.Stamp(pal::Ink);
    // The gap where wheel, tray and leg meet would show the maze through.
    FillEnclosed(cell, pal::Ink);
}

}  // namespace

void PaintWheelbarrow(Canvas& c, const assets::AssetInfo& info) {
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        Barrow(cell, f > 0, f == 0 ? 4 : f);
    }
}

}  // namespace art
