// The characters' bodies: a jointed figure posed by a few angles, painted
// part by part with its own outlines, plus the props they hold. The hero and
// the elves share the figure and differ in proportions, clothes and heads.
#pragma once

#include <cstdint>

#include "generators/art/canvas.h"
#include "generators/art/paint.h"

namespace art {

// Limb angles in degrees: 0 points straight down, positive swings forward
// (towards where the figure faces). Bends are relative to the upper limb.
struct Limb {
    double swing = 0, bend = 0;
};

enum class View { Side, Front, Back };
enum class Prop { None, Axe };
enum class Face { Plain, Grin, Dazed, Shut };

struct Pose {
    double hipX = 32, hipY = 38;  // in the cell, for a figure facing right
    double lean = 0;              // torso, degrees forward
    Limb nearArm, farArm, nearLeg, farLeg;
    View view = View::Side;
    Prop prop = Prop::None;
    double propAngle = 0;  // the prop's direction from the hand, like a limb
    Face face = Face::Grin;
    double turn = 0;  // head: 0 side, 1 front (the turn towards the viewer)
};

struct Look {
    double torso, upperArm, foreArm, thigh, shin, headRadius, limbRadius, bodyRadius;
    Ramp top, topStripe, legs, legStripe, boots, skin, hat;
    bool elf;
};

const Look& HeroLook();
const Look& ElfLook();

// Where the cell's figure is placed: mirrored (facing left) and rotated
// about the cell point (pivotX, pivotY) by degrees (for lying down).
struct Placement {
    bool mirrored = false;
    double rotate = 0, pivotX = 32, pivotY = 48;
    double dx = 0, dy = 0;
};

// The hip height that puts the lower foot's sole on floorY (a pixel edge).
double GroundedHipY(const Look& look, Pose pose, double floorY = 64.0);

void PaintFigure(Canvas& cell, const Look& look, const Pose& pose, const Placement& place);

// Props and items that several pictures share.
enum class PresentStyle { Small, Big };
void PaintPresent(Canvas& c, int x, int y, int w, int h, PresentStyle style);
void PaintStuckAxe(Canvas& cell);
// A spoked wheel with an iron tyre centred on the pixel around (cx, cy);
// turn in radians, clockwise on screen.
void PaintWheel(Canvas& c, double cx, double cy, double r, double turn);
// A five-pointed star centred at (cx, cy).
void PaintStar(Canvas& c, double cx, double cy, double r, double turn);

}  // namespace art

namespace art {
// A hanging lantern whose hook ring sits at (cx, top), sized by scale, in one
// of four flicker states; the maze lamps and the menu elf's lantern share it.
void PaintLantern(Canvas& c, double cx, double top, double scale, int state);
}  // namespace art
