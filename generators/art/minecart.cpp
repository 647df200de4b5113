// The minecart, empty and with the hero aboard, five rolling frames each.
#include <cmath>

#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

const Ramp kIron{{pal::Ink, pal::Iron, pal::Steel, pal::SteelLight}};
const Ramp kWood{{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}};

void Cart(Canvas& cell, int frame) {
    PartLayer pl(cell);
    // Tub: wooden boards in an iron frame, wider at the top.
    std::vector<Point> tub{{3, 33}, {61, 33}, {57, 55}, {7, 55}};
    FillPolygonRamp(pl.Layer(), tub, kWood);
    Canvas& c = pl.Layer();
    for (int y = 38; y < 55; y += 5)
        for (int x = 4; x < 61; ++x)
            if (c.Get(x, y) != pal::Transparent) c.Put(x, y, pal::WoodDark);
    FillRect(c, 2, 32, 60, 3, kIron.tone[2]);
    for (int x = 2; x < 62; ++x) c.Put(x, 32, kIron.tone[3]);
    FillRect(c, 7, 52, 50, 3, kIron.tone[1]);
    for (int x : {12, 31, 50})
        for (int y = 35; y < 52; ++y) c.Put(x, y, kIron.tone[1]), c.Put(x + 1, y, kIron.tone[0]);
    for (int x : {8, 20, 44, 56}) c.Put(x, 33, pal::SteelLight), c.Put(x, 53, pal::Steel);
    pl.Stamp(pal::Ink);
    double turn = frame * 0.31416;
    PaintWheel(pl.Layer(), 16.5, 57.5, 6, turn);
    pl.Stamp(pal::Ink);
    PaintWheel(pl.Layer(), 47.5, 57.5, 6, turn);
    pl.Stamp(pal::Ink);
}

void Rider(Canvas& cell) {
    Pose p;
    p.view = View::Front;
    p.nearArm = {70, 50};
    p.farArm = {70, 50};
    p.nearLeg = {10, 0};
    p.farLeg = {10, 0};
    p.hipX = 32;
    p.hipY = 40;
    // Only what shows above the tub is painted: he sits inside it.
    platform::Pixels scratch = BlankPicture(cell.Width(), cell.Height());
    Canvas layer(scratch);
    PaintFigure(layer, HeroLook(), p, {});
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < cell.Width(); ++x)
            if (layer.Get(x, y) != pal::Transparent) cell.Put(x, y, layer.Get(x, y));
}

}  // namespace

void PaintMinecart(Canvas& c, const assets::AssetInfo& info) {
    for (int f = 0; f < 5; ++f) {
        Canvas empty = c.Cell(f, info.cellWidth, info.cellHeight);
        Cart(empty, f);
        Canvas ridden = c.Cell(f + 5, info.cellWidth, info.cellHeight);
        Rider(ridden);
        Cart(ridden, f);
    }
}

}  // namespace art
