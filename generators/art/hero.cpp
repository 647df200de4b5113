// The hero sheet: Snatchkin, a lanky sneak in a striped jumper and a grey
// flat cap, posed from the pose table; plus the dimming checker tile and the
// magenta filler frames the game never draws.
#include <cmath>

#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/hero_poses.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

constexpr int kCheckerFrame = 10;
constexpr int kFillerFrames[] = {15, 29, 34};

// The dialogs dim the screen through this tile at a quarter opacity.
void PaintChecker(Canvas& cell) {
    for (int y = 0; y < cell.Height(); ++y)
        for (int x = 0; x < cell.Width(); ++x)
            cell.Put(x, y, (x + y) % 2 ? pal::Transparent : pal::CheckerGrey);
}

void PaintStars(Canvas& cell, double cx, double cy, int step) {
    PartLayer pl(cell);
    for (int i = 0; i < 3; ++i) {
        double a = step * 0.42 + i * 2.0944;
        PaintStar(pl.Layer(), cx + std::cos(a) * 9.0, cy + std::sin(a) * 3.0, 3.2, a);
        pl.Stamp(pal::Ink);
    }
}

void PaintPose(Canvas& cell, const HeroRow& row, bool mirrored) {
    const Look& look = HeroLook();
    Pose pose = row.pose;
    pose.hipX = 32;
    pose.hipY = GroundedHipY(look, pose) - row.lift;
    Placement place;
    place.mirrored = mirrored;
    if (row.rotate != 0) {
        // Lying on his back along the floor, head towards the way he faced.
        place = {.mirrored = !mirrored,
                 .rotate = mirrored ? -row.rotate : row.rotate,
                 .pivotX = 32,
                 .pivotY = 50,
                 .dx = mirrored ? 12.0 : -12.0,
                 .dy = 7};
    }
    PaintFigure(cell, look, pose, place);
    if (row.stars) PaintStars(cell, mirrored ? 16 : 48, 40, row.stars);
    FillEnclosed(cell, pal::Ink);
}

}  // namespace

void PaintHero(Canvas& c, const assets::AssetInfo& info) {
    auto cell = [&](int f) { return c.Cell(f, info.cellWidth, info.cellHeight); };
    for (const HeroRow& row : HeroRows()) {
        Canvas right = cell(row.frame);
        PaintPose(right, row, false);
        if (row.mirror >= 0) {
            Canvas left = cell(row.mirror);
            PaintPose(left, row, true);
        }
    }
    Canvas checker = cell(kCheckerFrame);
    PaintChecker(checker);
    for (int f : kFillerFrames) {
        Canvas filler = cell(f);
        for (int y = 0; y < filler.Height(); ++y)
            for (int x = 0; x < filler.Width(); ++x) filler.Put(x, y, pal::Magenta);
    }
}

}  // namespace art
