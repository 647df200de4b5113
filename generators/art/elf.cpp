// The elf sheet: Santa's helpers in green tunics, striped stockings and red
// pointed hats, posed like the hero from a table of limb angles.
#include <array>
#include <cmath>

#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

struct ElfRow {
    int frame, mirror;
    double lean;
    Limb nearArm, farArm, nearLeg, farLeg;
    View view;
    Face face;
    double lift, rotate;
    int stars;
};

// clang-format off
constexpr std::array kRows{
    // A brisk patrol march, arms swinging.
    ElfRow{0, 4, 4, {35, 30}, {-30, 20}, {-22, 25}, {26, 5}, View::Side, Face::Plain, 0, 0, 0},
    ElfRow{1, 5, 4, {5, 40}, {0, 30}, {0, 35}, {5, 5}, View::Side, Face::Plain, 1, 0, 0},
    ElfRow{2, 6, 4, {-30, 20}, {35, 30}, {26, 5}, {-22, 25}, View::Side, Face::Plain, 0, 0, 0},
    ElfRow{3, 7, 4, {0, 30}, {5, 40}, {5, 5}, {0, 35}, View::Side, Face::Plain, 1, 0, 0},
    // Climbing, from behind.
    ElfRow{8, -1, 0, {160, 10}, {135, 30}, {10, 50}, {8, 0}, View::Back, Face::Plain, 0, 0, 0},
    ElfRow{9, -1, 0, {148, 20}, {148, 20}, {10, 25}, {10, 25}, View::Back, Face::Plain, 1, 0, 0},
    ElfRow{10, -1, 0, {135, 30}, {160, 10}, {8, 0}, {10, 50}, View::Back, Face::Plain, 0, 0, 0},
    ElfRow{11, -1, 0, {148, 20}, {148, 20}, {10, 25}, {10, 25}, View::Back, Face::Plain, 1, 0, 0},
    // Knocked flat, limbs twitching.
    ElfRow{12, -1, 0, {160, 20}, {120, 20}, {20, 10}, {5, 10}, View::Side, Face::Shut, 0, 90, 0},
    ElfRow{13, -1, 0, {150, 30}, {125, 20}, {25, 20}, {5, 10}, View::Side, Face::Shut, 0, 90, 0},
    ElfRow{14, -1, 0, {160, 20}, {120, 20}, {20, 10}, {10, 20}, View::Side, Face::Shut, 0, 90, 0},
    ElfRow{15, -1, 0, {155, 25}, {125, 20}, {22, 15}, {5, 10}, View::Side, Face::Shut, 0, 90, 0},
    // Stunned, seeing stars.
    ElfRow{16, -1, 0, {150, 40}, {115, 30}, {60, 90}, {40, 80}, View::Side, Face::Dazed, 0, 90, 1},
    ElfRow{17, -1, 0, {145, 40}, {120, 30}, {55, 85}, {45, 85}, View::Side, Face::Dazed, 0, 90, 2},
    ElfRow{18, -1, 0, {150, 40}, {115, 30}, {60, 90}, {40, 80}, View::Side, Face::Dazed, 0, 90, 3},
    ElfRow{19, -1, 0, {145, 40}, {120, 30}, {55, 85}, {45, 85}, View::Side, Face::Dazed, 0, 90, 4},
    // Facing front and cheering while the hero is caught.
    ElfRow{20, -1, 0, {150, 20}, {40, 60}, {4, 0}, {4, 0}, View::Front, Face::Grin, 0, 0, 0},
    ElfRow{21, -1, 0, {160, 10}, {160, 10}, {8, 30}, {8, 30}, View::Front, Face::Grin, 3, 0, 0},
    ElfRow{22, -1, 0, {40, 60}, {150, 20}, {4, 0}, {4, 0}, View::Front, Face::Grin, 0, 0, 0},
    ElfRow{23, -1, 0, {20, 30}, {20, 30}, {4, 0}, {4, 0}, View::Front, Face::Grin, 0, 0, 0},
};
// clang-format on

void PaintElfPose(Canvas& cell, const ElfRow& row, bool mirrored) {
    const Look& look = ElfLook();
    Pose pose;
    pose.lean = row.lean, pose.nearArm = row.nearArm, pose.farArm = row.farArm;
    pose.nearLeg = row.nearLeg, pose.farLeg = row.farLeg, pose.view = row.view, pose.face = row.face;
    pose.hipX = 32;
    pose.hipY = GroundedHipY(look, pose) - row.lift;
    Placement place{.mirrored = mirrored};
    if (row.rotate != 0)
        place = {.mirrored = true, .rotate = row.rotate, .pivotX = 32, .pivotY = 52, .dx = -10, .dy = 5};
    PaintFigure(cell, look, pose, place);
    if (row.stars == 0) return FillEnclosed(cell, pal::Ink);
    PartLayer pl(cell);
    for (int i = 0; i < 3; ++i) {
        double a = row.stars * 0.52 + i * 2.0944;
        PaintStar(pl.Layer(), 46 + std::cos(a) * 8.0, 44 + std::sin(a) * 3.0, 3.0, a);
        pl.Stamp(pal::Ink);
    }
    FillEnclosed(cell, pal::Ink);
}

}  // namespace

void PaintElf(Canvas& c, const assets::AssetInfo& info) {
    for (const ElfRow& row : kRows) {
        Canvas cell = c.Cell(row.frame, info.cellWidth, info.cellHeight);
        PaintElfPose(cell, row, false);
        if (row.mirror >= 0) {
            Canvas left = c.Cell(row.mirror, info.cellWidth, info.cellHeight);
            PaintElfPose(left, row, true);
        }
    }
}

}  // namespace art
