// Presents, the axe in the ground, wheels and the dizzy stars.
#include <algorithm>
#include <cmath>

#include "assets/palette.h"
#include "generators/art/figures.h"

namespace art {
namespace {
namespace pal = assets::palette;
}

void PaintPresent(Canvas& c, int x, int y, int w, int h, PresentStyle style) {
    const Ramp paper = style == PresentStyle::Small
                           ? Ramp{{pal::PinkDark, pal::Pink, pal::PinkLight, pal::PinkLight}}
                           : Ramp{{pal::RedDark, pal::Red, pal::RedLight, pal::RedLight}};
    const Ramp ribbon = style == PresentStyle::Small
                            ? Ramp{{pal::GoldDark, pal::Gold, pal::GoldLight, pal::White}}
                            : Ramp{{pal::GreenDark, pal::Green, pal::GreenLight, pal::GreenLight}};
    int lid = std::max(3, h / 5);
    int boxTop = y + lid + 2;
    // Box: lit left face, darker right face for a little depth.
    for (int j = boxTop; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            double t =
                0.75 - 0.5 * (i - x) / std::max(1, w - 1) - 0.25 * (j - boxTop) / std::max(1, y + h - boxTop);
            c.Put(i, j, ShadeAt(paper, t, i, j));
        }
    // Lid overhangs by a pixel and catches the light on top.
    for (int j = y + 2; j < boxTop; ++j)
        for (int i = x - 1; i <= x + w; ++i) c.Put(i, j, j == y + 2 ? paper.tone[3] : paper.tone[2]);
    for (int i = x - 1; i <= x + w; ++i) c.Put(i, boxTop, paper.tone[0]);
    // Ribbon cross and bow.
    int rx = x + w / 2 - 1, rw = std::max(2, w / 7);
    for (int j = y + 2; j < y + h; ++j)
        for (int i = rx; i < rx + rw; ++i) c.Put(i, j, i == rx ? ribbon.tone[2] : ribbon.tone[1]);
    int ry = boxTop + (y + h - boxTop) / 2 - 1;
    for (int i = x; i < x + w; ++i)
        for (int j = ry; j < ry + rw; ++j) c.Put(i, j, j == ry ? ribbon.tone[2] : ribbon.tone[1]);
    int bow = std::max(3, w / 5);
    FillEllipse(c, rx - bow / 2.0 + 0.5, y + 1.5, bow / 2.0 + 0.5, 2.2, ribbon);
    FillEllipse(c, rx + rw + bow / 2.0 - 0.5, y + 1.5, bow / 2.0 + 0.5, 2.2, ribbon);
    FillEllipse(c, rx + rw / 2.0, y + 2.5, 1.6, 1.6, ribbon);
    Outline(c, pal::Ink);
}

void PaintStuckAxe(Canvas& cell) {
    // The handle leans back from the blade buried in the floor.
    const Ramp wood{{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}};
    const Ramp steel{{pal::Iron, pal::Steel, pal::SteelLight, pal::White}};
    FillCapsule(cell, 8, 5, 19, 24, 1.6, wood);
    std::vector<Point> blade{{15, 21}, {27, 23}, {29, 31}, {13, 31}, {13, 27}};
    FillPolygonRamp(cell, blade, steel);
    for (int i = 15; i < 27; ++i) cell.Put(i, 22, pal::SteelLight);
    for (int j = 24; j < 31; ++j) cell.Put(28, j, pal::White);
    // A ridge of snow where it bit in.
    for (int i = 9; i < 31; ++i) cell.Put(i, 31, i % 3 ? pal::Snow : pal::SnowShadow);
    Outline(cell, pal::Ink);
}

void PaintStar(Canvas& c, double cx, double cy, double r, double turn) {
    std::vector<Point> pts;
    for (int i = 0; i < 10; ++i) {
        double a = turn + i * 3.14159265358979 / 5.0;
        double rr = i % 2 ? r * 0.45 : r;
        pts.push_back({cx + std::sin(a) * rr, cy - std::cos(a) * rr});
    }
    FillPolygonRamp(c, pts, {{pal::GoldDark, pal::Gold, pal::GoldLight, pal::White}});
    c.Put(static_cast<int>(cx), static_cast<int>(cy), pal::White);
}

void PaintWheel(Canvas& c, double cx, double cy, double r, double turn) {
    const Ramp iron{{pal::Ink, pal::Iron, pal::Steel, pal::SteelLight}};
    FillEllipse(c, cx, cy, r, r, iron);
    FillEllipseFlat(c, cx, cy, r - 1.6, r - 1.6, pal::WoodDark);
    // Two light spokes straight through the hub, so the turn shows at a glance
    // and no spoke ends in a hook.
    int px = static_cast<int>(std::floor(cx)), py = static_cast<int>(std::floor(cy));
    for (int i = 0; i < 2; ++i) {
        double a = turn + i * 1.5707963;
        int dx = static_cast<int>(std::lround(std::cos(a) * (r - 1.8)));
        int dy = static_cast<int>(std::lround(std::sin(a) * (r - 1.8)));
        Line(c, px - dx, py - dy, px + dx, py + dy, pal::Straw);
    }
    FillEllipse(c, cx, cy, 1.4, 1.4, iron);
}

}  // namespace art
