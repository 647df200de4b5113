// Painting the jointed figures. Every part is a shape in the figure's own
// space (facing right, upright); a placement maps it into the cell, and the
// shading is worked out in the cell so the light always comes from the top-left.
#include "generators/art/figures.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "assets/palette.h"

namespace art {
namespace {

namespace pal = assets::palette;

constexpr double kPi = 3.14159265358979323846;
double Rad(double deg) { return deg * kPi / 180.0; }

struct Xf {
    Placement p;
    double cosR = std::cos(Rad(p.rotate)), sinR = std::sin(Rad(p.rotate));

    Point Map(Point q) const {
        double x = p.mirrored ? 64.0 - q.x : q.x, y = q.y;
        double rx = x - p.pivotX, ry = y - p.pivotY;
        return {p.pivotX + rx * cosR - ry * sinR + p.dx, p.pivotY + rx * sinR + ry * cosR + p.dy};
    }
    Point Unmap(Point q) const {
        double rx = q.x - p.dx - p.pivotX, ry = q.y - p.dy - p.pivotY;
        double x = p.pivotX + rx * cosR + ry * sinR, y = p.pivotY - rx * sinR + ry * cosR;
        return {p.mirrored ? 64.0 - x : x, y};
    }
    Point MapNormal(Point n) const {
        double x = p.mirrored ? -n.x : n.x;
        return {x * cosR - n.y * sinR, x * sinR + n.y * cosR};
    }
};

// A part: inside test in figure space that also gives the surface normal.
using Shape = std::function<bool(Point, Point&)>;
// Colour of a part's pixel from its figure-space point and its lit brightness.
using Material = std::function<std::uint32_t(Point, double, int, int)>;

Material Plain(const Ramp& r) {
    return [r](Point, double lit, int x, int y) { return ShadeAt(r, lit, x, y); };
}

void PaintPart(Canvas& c, const Xf& xf, Point lo, Point hi, const Shape& shape, const Material& material) {
    Point corners[4] = {xf.Map(lo), xf.Map({hi.x, lo.y}), xf.Map({lo.x, hi.y}), xf.Map(hi)};
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (Point q : corners)
        x0 = std::min(x0, q.x), y0 = std::min(y0, q.y), x1 = std::max(x1, q.x), y1 = std::max(y1, q.y);
    for (int y = static_cast<int>(std::floor(y0)) - 1; y <= static_cast<int>(std::ceil(y1)); ++y)
        for (int x = static_cast<int>(std::floor(x0)) - 1; x <= static_cast<int>(std::ceil(x1)); ++x) {
            Point local = xf.Unmap({x + 0.5, y + 0.5}), n{0, 0};
            if (!shape(local, n)) continue;
            Point cn = xf.MapNormal(n);
            c.Put(x, y, material(local, Lit(cn.x, cn.y), x, y));
        }
}

Shape Capsule(Point a, Point b, double r) {
    return [=](Point q, Point& n) {
        double dx = b.x - a.x, dy = b.y - a.y, len2 = std::max(1e-9, dx * dx + dy * dy);
        double t = std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / len2, 0.0, 1.0);
        n = {(q.x - (a.x + t * dx)) / r, (q.y - (a.y + t * dy)) / r};
        return n.x * n.x + n.y * n.y <= 1.0;
    };
}

Shape Ellipse(Point c, double rx, double ry) {
    return [=](Point q, Point& n) {
        n = {(q.x - c.x) / rx, (q.y - c.y) / ry};
        return n.x * n.x + n.y * n.y <= 1.0;
    };
}

// An ellipse cut off below the line y = cutY (figure space).
Shape UpperEllipse(Point c, double rx, double ry, double cutY) {
    Shape e = Ellipse(c, rx, ry);
    return [=](Point q, Point& n) { return q.y <= cutY && e(q, n); };
}

// A triangle with a soft normal pointing away from its centre.
Shape Triangle(Point a, Point b, Point d) {
    Point m{(a.x + b.x + d.x) / 3, (a.y + b.y + d.y) / 3};
    return [=](Point q, Point& n) {
        auto side = [&](Point u, Point v) { return (v.x - u.x) * (q.y - u.y) - (v.y - u.y) * (q.x - u.x); };
        double s1 = side(a, b), s2 = side(b, d), s3 = side(d, a);
        bool in = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
        n = {(q.x - m.x) / 8.0, (q.y - m.y) / 8.0};
        return in;
    };
}

struct Bounds {
    Point lo, hi;
};
Bounds Around(Point a, Point b, double r) {
    return {{std::min(a.x, b.x) - r, std::min(a.y, b.y) - r},
            {std::max(a.x, b.x) + r, std::max(a.y, b.y) + r}};
}

Point Along(Point from, double angleDeg, double length) {
    return {from.x + std::sin(Rad(angleDeg)) * length, from.y + std::cos(Rad(angleDeg)) * length};
}

Ramp Darker(const Ramp& r) { return {{pal::Ink, r.tone[0], r.tone[1], r.tone[2]}}; }

// Joint positions of a pose in figure space.
struct Joints {
    Point hip, neck, head, shoulderNear, shoulderFar;
    Point elbowNear, handNear, elbowFar, handFar;
    Point hipNear, hipFar, kneeNear, ankleNear, kneeFar, ankleFar;
    double shinNear, shinFar;
};

Joints Solve(const Look& k, const Pose& p) {
    Joints j;
    j.hip = {p.hipX, p.hipY};
    j.neck = {p.hipX + std::sin(Rad(p.lean)) * k.torso, p.hipY - std::cos(Rad(p.lean)) * k.torso};
    j.head = {j.neck.x + std::sin(Rad(p.lean)) * (k.headRadius + 1), j.neck.y - k.headRadius - 1};
    bool side = p.view == View::Side;
    double shoulderHalf = side ? 0.0 : k.bodyRadius + 0.5, hipHalf = side ? 0.5 : k.bodyRadius * 0.55;
    Point shoulder{j.neck.x - std::sin(Rad(p.lean)) * 2.5, j.neck.y + std::cos(Rad(p.lean)) * 2.5};
    // Front and back views: "near" is the figure's right-hand side of the picture,
    // and a positive swing spreads the limb outwards.
    j.shoulderNear = {shoulder.x + shoulderHalf, shoulder.y};
    j.shoulderFar = {shoulder.x - shoulderHalf, shoulder.y};
    j.hipNear = {j.hip.x + hipHalf, j.hip.y};
    j.hipFar = {j.hip.x - hipHalf, j.hip.y};
    double farSign = side ? 1.0 : -1.0;
    j.elbowNear = Along(j.shoulderNear, p.nearArm.swing, k.upperArm);
    j.handNear = Along(j.elbowNear, p.nearArm.swing + p.nearArm.bend, k.foreArm);
    j.elbowFar = Along(j.shoulderFar, farSign * p.farArm.swing, k.upperArm);
    j.handFar = Along(j.elbowFar, farSign * (p.farArm.swing + p.farArm.bend), k.foreArm);
    j.kneeNear = Along(j.hipNear, p.nearLeg.swing, k.thigh);
    j.shinNear = p.nearLeg.swing - (side ? p.nearLeg.bend : 0);
    // Seen from the front or back a bent knee shows as a shorter leg.
    j.ankleNear = Along(j.kneeNear, j.shinNear, side ? k.shin : k.shin * std::cos(Rad(p.nearLeg.bend)));
    j.kneeFar = Along(j.hipFar, farSign * p.farLeg.swing, k.thigh);
    j.shinFar = farSign * p.farLeg.swing - (side ? p.farLeg.bend : 0);
    j.ankleFar = Along(j.kneeFar, j.shinFar, side ? k.shin : k.shin * std::cos(Rad(p.farLeg.bend)));
    return j;
}

// Stripes across a limb or the body, measured along the segment a-b.
Material Striped(const Ramp& base, const Ramp& stripe, Point a, Point b, double period) {
    return [=](Point q, double lit, int x, int y) {
        double dx = b.x - a.x, dy = b.y - a.y, len = std::max(1e-9, std::hypot(dx, dy));
        double along = ((q.x - a.x) * dx + (q.y - a.y) * dy) / len;
        bool band = static_cast<int>(std::floor(along / period + 100.0)) % 2 == 1;
        return ShadeAt(band ? stripe : base, lit, x, y);
    };
}

void Limbs(PartLayer& pl, const Xf& xf, const Look& k, const Pose& p, Point hip, Point knee, Point ankle,
           double shinAngle, bool far) {
    Canvas& c = pl.Layer();
    Ramp legs = far ? Darker(k.legs) : k.legs, stripe = far ? Darker(k.legStripe) : k.legStripe;
    Ramp boots = far ? Darker(k.boots) : k.boots;
    double r = k.limbRadius + 0.3;
    Bounds b = Around(hip, knee, r);
    PaintPart(c, xf, b.lo, b.hi, Capsule(hip, knee, r), Plain(legs));
    b = Around(knee, ankle, r - 0.2);
    PaintPart(c, xf, b.lo, b.hi, Capsule(knee, ankle, r - 0.2),
              Striped(legs, stripe, knee, ankle, k.elf ? 2.0 : 100.0));
    // The foot points forward from the ankle; seen from the front or back it is a stub.
    bool side = p.view == View::Side;
    Point toe = side ? Point{ankle.x + std::cos(Rad(shinAngle)) * (k.elf ? 5.0 : 5.5),
                             ankle.y - std::sin(Rad(shinAngle)) * 5.0 + 0.5}
                     : Point{ankle.x, ankle.y + 1.0};
    b = Around(ankle, toe, 2.2);
    PaintPart(c, xf, b.lo, b.hi, Capsule({ankle.x, ankle.y + 0.5}, toe, 2.0), Plain(boots));
    if (k.elf && side) {  // curled elf toe
        Point tip{toe.x + 1.5, toe.y - 2.5};
        b = Around(toe, tip, 1.2);
        PaintPart(c, xf, b.lo, b.hi, Capsule(toe, tip, 1.1), Plain(boots));
    }
    pl.Stamp(pal::Ink);
}

void Arm(PartLayer& pl, const Xf& xf, const Look& k, Point shoulder, Point elbow, Point hand, bool far) {
    Canvas& c = pl.Layer();
    Ramp top = far ? Darker(k.top) : k.top, stripe = far ? Darker(k.topStripe) : k.topStripe;
    Ramp skin = far ? Darker(k.skin) : k.skin;
    double r = k.limbRadius;
    Bounds b = Around(shoulder, elbow, r);
    PaintPart(c, xf, b.lo, b.hi, Capsule(shoulder, elbow, r), Striped(top, stripe, shoulder, elbow, 3.0));
    b = Around(elbow, hand, r);
    PaintPart(c, xf, b.lo, b.hi, Capsule(elbow, hand, r - 0.2), Striped(top, stripe, shoulder, hand, 3.0));
    b = Around(hand, hand, 2.4);
    PaintPart(c, xf, b.lo, b.hi, Ellipse(hand, 2.1, 2.1), Plain(skin));
    pl.Stamp(pal::Ink);
}

void Body(PartLayer& pl, const Xf& xf, const Look& k, const Joints& j, const Pose& p) {
    Canvas& c = pl.Layer();
    double r = p.view == View::Side ? k.bodyRadius : k.bodyRadius + 1.5;
    Point top{j.neck.x, j.neck.y + r * 0.6}, bottom = j.hip;
    Bounds b = Around(top, bottom, r + 1);
    PaintPart(c, xf, b.lo, b.hi, Capsule(top, bottom, r), Striped(k.top, k.topStripe, top, bottom, 3.0));
    if (k.elf) {  // belt with a gold buckle
        Point l{bottom.x - r, bottom.y - 2.5}, rr{bottom.x + r, bottom.y - 2.5};
        Shape body = Capsule(top, bottom, r);
        PaintPart(
            c, xf, {l.x, l.y - 1}, {rr.x, rr.y + 1},
            [=](Point q, Point& n) { return std::abs(q.y - l.y) <= 1.0 && body(q, n); },
            [&](Point q, double lit, int x, int y) {
                bool buckle = std::abs(q.x - (bottom.x + (p.view == View::Side ? r * 0.6 : 0))) < 1.6;
                return buckle ? pal::Gold : ShadeAt(k.boots, lit, x, y);
            });
    }
    pl.Stamp(pal::Ink);
}

void Eye(Canvas& c, const Xf& xf, Point at, Face face) {
    Point q = xf.Map(at);
    int x = static_cast<int>(std::floor(q.x)), y = static_cast<int>(std::floor(q.y));
    switch (face) {
        case Face::Dazed:  // little crosses
            c.Put(x - 1, y - 1, pal::Ink), c.Put(x + 1, y + 1, pal::Ink), c.Put(x, y, pal::Ink);
            c.Put(x + 1, y - 1, pal::Ink), c.Put(x - 1, y + 1, pal::Ink);
            break;
        case Face::Shut:
            c.Put(x, y, pal::Ink), c.Put(x + 1, y, pal::Ink);
            break;
        default:  // white of the eye with the pupil looking ahead
            c.Put(x, y, pal::White);
            c.Put(x + (xf.p.mirrored ? -1 : 1), y, pal::Ink);
            c.Put(x + (xf.p.mirrored ? -1 : 1), y - 1, pal::Ink);
            break;
    }
}

void HeroHead(PartLayer& pl, const Xf& xf, const Look& k, const Point h, const Pose& p) {
    Canvas& c = pl.Layer();
    double R = k.headRadius, t = p.view == View::Side ? p.turn : 1.0;
    bool back = p.view == View::Back;
    PaintPart(c, xf, {h.x - R, h.y - R}, {h.x + R, h.y + R}, Ellipse(h, R, R + 0.3), Plain(k.skin));
    if (back) {  // dark hair at the nape, ears either side
        PaintPart(c, xf, {h.x - R, h.y - R}, {h.x + R, h.y + R}, Ellipse({h.x, h.y + 0.5}, R - 0.5, R - 0.5),
                  Plain({{pal::WoodDark, pal::WoodDark, pal::Wood, pal::Wood}}));
        PaintPart(c, xf, {h.x - R - 2, h.y - 2}, {h.x + R + 2, h.y + 3}, Ellipse({h.x - R, h.y + 1}, 1.5, 2),
                  Plain(k.skin));
        PaintPart(c, xf, {h.x - R - 2, h.y - 2}, {h.x + R + 2, h.y + 3}, Ellipse({h.x + R, h.y + 1}, 1.5, 2),
                  Plain(k.skin));
    } else {
        // The long nose: straight out in profile, pointing at the viewer from the front.
        Point root{h.x + R * 0.7 * (1 - t), h.y + 0.5};
        Point tip{h.x + (R + 4.5) * (1 - t), h.y + 2.5 + 1.5 * t};
        Bounds b = Around(root, tip, 2);
        PaintPart(c, xf, b.lo, b.hi, Capsule(root, tip, 1.5), Plain(k.skin));
        if (t < 0.5)  // ear
            PaintPart(c, xf, {h.x - 3, h.y - 1}, {h.x + 1, h.y + 4},
                      Ellipse({h.x - 1.2, h.y + 1.3}, 1.3, 1.8), Plain(Darker(k.skin)));
    }
    // Grey flat cap: a low crown and a brim that juts out over the nose.
    double brimDir = 1 - t;
    PaintPart(c, xf, {h.x - R - 2, h.y - R - 2}, {h.x + R + 2, h.y},
              UpperEllipse({h.x + 0.3 * brimDir, h.y - R * 0.35}, R + 1.0, R * 0.75, h.y - 1.2),
              Plain(k.hat));
    if (!back) {
        Point b0{h.x + (R - 1) * brimDir, h.y - 2.2}, b1{h.x + (R + 3.5) * brimDir, h.y - 1.6};
        if (t > 0.5) b0 = {h.x - R * 0.8, h.y - 1.6}, b1 = {h.x + R * 0.8, h.y - 1.6};
        Bounds b = Around(b0, b1, 1.5);
        PaintPart(c, xf, b.lo, b.hi, Capsule(b0, b1, 1.1), Plain(Darker(k.hat)));
    }
    pl.Stamp(pal::Ink);
    if (back) return;
    // Eyes under the brim and the mischievous grin.
    if (t < 0.5) {
        Eye(c, xf, {h.x + R * 0.45 + 0.5, h.y + 0.2}, p.face);
    } else {
        Eye(c, xf, {h.x - 2.5, h.y + 0.2}, p.face);
        Eye(c, xf, {h.x + 2.5, h.y + 0.2}, p.face);
    }
    if (p.face == Face::Grin || p.face == Face::Dazed) {
        // A lopsided grin: teeth showing, the back corner curling up.
        double mx = h.x + R * 0.5 * (1 - t), step = t > 0.5 ? 1.0 : 0.8;
        for (int i = -2; i <= 2; ++i) {
            double x = mx + i * step;
            double y = h.y + 3.6 + (i == -2 ? -1.0 : 0.0) + (t > 0.5 && i == 2 ? -1.0 : 0.0);
            Point q = xf.Map({x, y});
            c.Put(static_cast<int>(q.x), static_cast<int>(q.y), pal::Ink);
            if (std::abs(i) <= 1 && p.face == Face::Grin) {
                Point u = xf.Map({x, y - 1});
                c.Put(static_cast<int>(u.x), static_cast<int>(u.y), pal::White);
            }
        }
    }
    pl.Stamp(pal::Transparent);
}

void ElfHead(PartLayer& pl, const Xf& xf, const Look& k, const Point h, const Pose& p) {
    Canvas& c = pl.Layer();
    double R = k.headRadius, t = p.view == View::Side ? p.turn : 1.0;
    bool back = p.view == View::Back;
    // Pointed ears.
    if (t < 0.5 || back) {
        PaintPart(c, xf, {h.x - R - 5, h.y - 6}, {h.x + 2, h.y + 4},
                  Triangle({h.x - 1, h.y - 1}, {h.x - 1, h.y + 3}, {h.x - R - 3, h.y - 4}), Plain(k.skin));
    }
    if (t >= 0.5 || back) {
        for (int s : {-1, 1})
            PaintPart(c, xf, {h.x - R - 5, h.y - 6}, {h.x + R + 5, h.y + 4},
                      Triangle({h.x + s * (R - 1), h.y - 1}, {h.x + s * (R - 1), h.y + 3},
                               {h.x + s * (R + 3.5), h.y - 3.5}),
                      Plain(k.skin));
    }
    PaintPart(c, xf, {h.x - R, h.y - R}, {h.x + R, h.y + R}, Ellipse(h, R, R), Plain(k.skin));
    if (!back) {
        Point nose{h.x + (R - 0.5) * (1 - t), h.y + 1.2};
        PaintPart(c, xf, {nose.x - 2, nose.y - 2}, {nose.x + 2, nose.y + 2}, Ellipse(nose, 1.5, 1.3),
                  Plain({{pal::RedDark, pal::SkinDark, pal::RedLight, pal::Skin}}));
    }
    // Red pointed hat with a white fur brim and a bobble on the drooping tip.
    double lean = 1 - t;
    Point tip{h.x - 6.0 * lean + (back ? 0 : 0), h.y - R - 8};
    if (t >= 0.5) tip = {h.x + 5.0, h.y - R - 7};
    PaintPart(c, xf, {h.x - R - 8, h.y - R - 10}, {h.x + R + 6, h.y},
              Triangle({h.x - R - 0.5, h.y - 2}, {h.x + R + 0.5, h.y - 2}, tip), Plain(k.hat));
    Point f0{h.x - R, h.y - 2.5}, f1{h.x + R, h.y - 2.5};
    PaintPart(c, xf, {f0.x - 2, f0.y - 2}, {f1.x + 2, f1.y + 2}, Capsule(f0, f1, 1.4),
              Plain({{pal::SnowShadow, pal::Snow, pal::White, pal::White}}));
    PaintPart(c, xf, {tip.x - 3, tip.y - 3}, {tip.x + 3, tip.y + 3}, Ellipse(tip, 2.0, 2.0),
              Plain({{pal::SnowShadow, pal::Snow, pal::White, pal::White}}));
    pl.Stamp(pal::Ink);
    if (back) return;
    if (t < 0.5) {
        Eye(c, xf, {h.x + R * 0.35, h.y - 0.3}, p.face);
    } else {
        Eye(c, xf, {h.x - 2.2, h.y - 0.3}, p.face);
        Eye(c, xf, {h.x + 2.2, h.y - 0.3}, p.face);
        Point cheek = xf.Map({h.x - 3.5, h.y + 2});
        c.Put(static_cast<int>(cheek.x), static_cast<int>(cheek.y), pal::RedLight);
        cheek = xf.Map({h.x + 3.5, h.y + 2});
        c.Put(static_cast<int>(cheek.x), static_cast<int>(cheek.y), pal::RedLight);
    }
    if (p.face != Face::Plain) {
        double mx = h.x + R * 0.35 * (1 - t);
        for (int i = -1; i <= 1; ++i) {
            Point q = xf.Map({mx + i, h.y + 3.6 + (i == 0 ? 0.6 : 0)});
            c.Put(static_cast<int>(q.x), static_cast<int>(q.y), pal::Ink);
        }
    }
    pl.Stamp(pal::Transparent);
}

void Axe(PartLayer& pl, const Xf& xf, Point hand, double angle) {
    Canvas& c = pl.Layer();
    Point end = Along(hand, angle, 15), butt = Along(hand, angle, -3);
    Bounds b = Around(butt, end, 2);
    PaintPart(c, xf, b.lo, b.hi, Capsule(butt, end, 1.1),
              Plain({{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}}));
    // The blade sits at the end of the handle on its leading side.
    Point head = Along(hand, angle, 12.5);
    Point edge0 = Along(head, angle - 90, 6.5), edge1 = Along(end, angle - 90, 7.0);
    Point back = Along(head, angle, 3.5);
    PaintPart(
        c, xf,
        {std::min({head.x, edge0.x, edge1.x, back.x}) - 1, std::min({head.y, edge0.y, edge1.y, back.y}) - 1},
        {std::max({head.x, edge0.x, edge1.x, back.x}) + 1, std::max({head.y, edge0.y, edge1.y, back.y}) + 1},
        [=](Point q, Point& n) {
            Point nn;
            bool a = Triangle(head, edge0, edge1)(q, nn), d = Triangle(head, edge1, back)(q, nn);
            n = {-0.3, -0.3};
            return a || d;
        },
        Plain({{pal::Iron, pal::Steel, pal::SteelLight, pal::White}}));
    pl.Stamp(pal::Ink);
}

}  // namespace

double GroundedHipY(const Look& look, Pose pose, double floorY) {
    pose.hipY = 0;
    Joints j = Solve(look, pose);
    double lowest = std::max(j.ankleNear.y, j.ankleFar.y);
    return floorY - 2.5 - lowest;
}

const Look& HeroLook() {
    static const Look look{.torso = 15,
                           .upperArm = 9.5,
                           .foreArm = 9,
                           .thigh = 10.5,
                           .shin = 10.5,
                           .headRadius = 6.3,
                           .limbRadius = 2.0,
                           .bodyRadius = 4.6,
                           // A burglar's black and white hoops: they stand out on the red
                           // brick of the workshop, where a red jumper would sink into it.
                           .top = {{pal::SnowShadow, pal::Snow, pal::White, pal::White}},
                           .topStripe = {{pal::Ink, pal::Iron, pal::Iron, pal::Stone}},
                           .legs = {{pal::Night, pal::Stone, pal::StoneLight, pal::StoneLight}},
                           .legStripe = {{pal::Night, pal::Stone, pal::StoneLight, pal::StoneLight}},
                           .boots = {{pal::Ink, pal::Iron, pal::Stone, pal::Steel}},
                           .skin = {{pal::SkinDark, pal::Skin, pal::Skin, pal::Parchment}},
                           .hat = {{pal::Iron, pal::Steel, pal::Steel, pal::SteelLight}},
                           .elf = false};
    return look;
}

const Look& ElfLook() {
    static const Look look{.torso = 10,
                           .upperArm = 6.5,
                           .foreArm = 6,
                           .thigh = 6.5,
                           .shin = 6.5,
                           .headRadius = 5.0,
                           .limbRadius = 2.0,
                           .bodyRadius = 5.2,
                           .top = {{pal::GreenDark, pal::Green, pal::GreenLight, pal::GreenLight}},
                           .topStripe = {{pal::GreenDark, pal::Green, pal::GreenLight, pal::GreenLight}},
                           .legs = {{pal::RedDark, pal::Red, pal::RedLight, pal::RedLight}},
                           .legStripe = {{pal::SnowShadow, pal::Snow, pal::White, pal::White}},
                           .boots = {{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}},
                           .skin = {{pal::SkinDark, pal::Skin, pal::Skin, pal::Parchment}},
                           .hat = {{pal::RedDark, pal::Red, pal::RedLight, pal::RedLight}},
                           .elf = true};
    return look;
}

void PaintFigure(Canvas& cell, const Look& k, const Pose& p, const Placement& place) {
    Xf xf{place};
    Joints j = Solve(k, p);
    PartLayer pl(cell);
    bool side = p.view == View::Side;
    if (side) {
        Arm(pl, xf, k, j.shoulderFar, j.elbowFar, j.handFar, true);
        Limbs(pl, xf, k, p, j.hipFar, j.kneeFar, j.ankleFar, j.shinFar, true);
    } else {
        Limbs(pl, xf, k, p, j.hipFar, j.kneeFar, j.ankleFar, j.shinFar, false);
        Limbs(pl, xf, k, p, j.hipNear, j.kneeNear, j.ankleNear, j.shinNear, false);
    }
    if (side) Limbs(pl, xf, k, p, j.hipNear, j.kneeNear, j.ankleNear, j.shinNear, false);
    Body(pl, xf, k, j, p);
    if (!side) Arm(pl, xf, k, j.shoulderFar, j.elbowFar, j.handFar, false);
    // An axe raised overhead in profile passes behind the head, so the face stays clear.
    bool armBehindHead = side && p.prop == Prop::Axe && p.nearArm.swing + p.nearArm.bend / 2 > 140;
    if (armBehindHead) {
        if (p.prop == Prop::Axe) Axe(pl, xf, j.handNear, p.propAngle);
        Arm(pl, xf, k, j.shoulderNear, j.elbowNear, j.handNear, false);
    }
    if (k.elf)
        ElfHead(pl, xf, k, j.head, p);
    else
        HeroHead(pl, xf, k, j.head, p);
    if (!armBehindHead) {
        if (p.prop == Prop::Axe) Axe(pl, xf, j.handNear, p.propAngle);
        Arm(pl, xf, k, j.shoulderNear, j.elbowNear, j.handNear, false);
    }
    Outline(cell, pal::Ink);
}

}  // namespace art
