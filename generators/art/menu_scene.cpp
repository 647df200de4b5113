// The main menu backdrop and the two pictures cut from it: the menu elf's
// lantern in four flicker states and his face with eyes open and narrowed.
// All three come from one painting of the scene, so the frames the game draws
// over the backdrop at (141, 73) and (175, 313) match it pixel for pixel.
#include <algorithm>
#include <cmath>

#include "assets/menu_layout.h"
#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/menu_style.h"
#include "generators/art/paint.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

constexpr int kLanternX = 141, kLanternY = 73;       // where the game draws the lantern frames
constexpr int kFaceFrameX = 175, kFaceFrameY = 313;  // and the face frames
constexpr double kLanternCX = 168.5, kLanternCY = 101;
constexpr double kGlowRadius[] = {22, 26, 19, 24};  // stays inside the 55 by 55 lantern frame

const Ramp kGreen{{pal::GreenDark, pal::Green, pal::GreenLight, pal::GreenLight}};
const Ramp kRed{{pal::RedDark, pal::Red, pal::RedLight, pal::RedLight}};
const Ramp kFur{{pal::SnowShadow, pal::Snow, pal::White, pal::White}};
const Ramp kSkin{{pal::SkinDark, pal::Skin, pal::Skin, pal::Parchment}};
const Ramp kWood{{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}};
const Ramp kGold{{pal::GoldDark, pal::Gold, pal::GoldLight, pal::White}};
const Ramp kShoe{{pal::GreenDark, pal::GreenDark, pal::Green, pal::GreenLight}};

struct SceneState {
    int lantern = 0;
    bool narrowed = false;
};

void Window(Canvas& c) {
    constexpr int x = 400, y = 48, w = 592, h = 392;
    FillRoundRect(c, x - 14, y - 14, w + 28, h + 28, 30, pal::Ink);
    FillRoundRect(c, x - 12, y - 12, w + 24, h + 24, 28, pal::WoodDark);
    FillRoundRect(c, x - 9, y - 9, w + 18, h + 18, 26, pal::Wood);
    FillRoundRect(c, x - 4, y - 4, w + 8, h + 8, 22, pal::Ink);
    Canvas glass = c.Sub(x, y, w, h);
    PaintNightSky(glass, 0, 0, w, h, 31);
    // Moon, then snowy roofs and pines on the skyline.
    FillEllipse(glass, 46, 168, 26, 26, {{pal::SnowShadow, pal::Snow, pal::White, pal::White}});
    FillEllipseFlat(glass, 36, 160, 5, 4, pal::SnowShadow);
    FillEllipseFlat(glass, 56, 178, 4, 3, pal::SnowShadow);
    for (int i = 0; i < w; ++i) {
        double roof = 330 + 18 * std::sin(i / 53.0) + 12 * std::sin(i / 17.0 + 1);
        for (int j = static_cast<int>(roof); j < h; ++j)
            glass.Put(i, j,
                      j < roof + 3 ? pal::Snow
                                   : GradientAt({pal::SnowShadow, pal::StoneLight, pal::Stone},
                                                (j - roof) / 60.0, i, j));
    }
    for (int t = 0; t < 7; ++t) {
        double tx = 40 + t * 85 + 20 * Noise(t, 0, 3), base = 350, th = 60 + 30 * Noise(t, 1, 3);
        FillPolygonRamp(glass, {{tx, base - th}, {tx + th * 0.35, base}, {tx - th * 0.35, base}},
                        {{pal::GreenDark, pal::GreenDark, pal::Green, pal::Snow}});
    }
    // Snow on the sill.
    for (int i = -12; i < w + 12; ++i)
        for (int j = 0; j < 5 + static_cast<int>(2 * std::sin(i / 9.0)); ++j)
            c.Put(x + i, y + h + 10 - j, j == 4 ? pal::White : pal::Snow);
}

// Big lettering with snow settled on top of every letter.
void Logo(Canvas& c) {
    constexpr int kCentre = 696;
    TextStyle title{.dot = 9,
                    .fill = {pal::GoldLight, pal::Gold, pal::GoldDark},
                    .highlight = pal::White,
                    .outline = pal::Ink,
                    .shadow = pal::RedDark,
                    .shadowOffset = 7,
                    .spacing = 2,
                    .proportional = true};
    PartLayer logo(c);
    Canvas& layer = logo.Layer();
    DrawTextCentred(layer, kCentre, 92, "SNATCHKIN", title);
    Outline(layer, pal::RedDark, 2);
    Outline(layer, pal::Ink, 1);
    for (int x = 380; x < 1010; ++x) {
        int top = -1;
        for (int y = 60; y < 180 && top < 0; ++y)
            if (layer.Get(x, y) != pal::Transparent) top = y;
        if (top < 0) continue;
        int depth = 3 + static_cast<int>(Noise(x / 4, 0, 12) * 4);
        for (int j = 0; j < depth; ++j)
            layer.Put(x, top + j, j == 0 ? pal::White : j < depth - 1 ? pal::Snow : pal::SnowShadow);
    }
    logo.Stamp(pal::Transparent);
    // The subtitle on a red ribbon with folded ends.
    constexpr int by = 262, bh = 58, bw = 520;
    const int bx = kCentre - bw / 2;
    PartLayer pl(c.Sub(0, 200, 1024, 200));
    Canvas& r = pl.Layer();
    FillPolygonRamp(r,
                    {{bx - 40.0, by - 190.0},
                     {bx + 10.0, by - 190.0},
                     {bx + 10.0, by - 200.0 + bh + 20},
                     {bx - 40.0, by - 200.0 + bh + 20},
                     {bx - 22.0, by - 200.0 + bh / 2.0 + 10}},
                    kRed);
    FillPolygonRamp(r,
                    {{bx + bw - 10.0, by - 190.0},
                     {bx + bw + 40.0, by - 190.0},
                     {bx + bw + 22.0, by - 200.0 + bh / 2.0 + 10},
                     {bx + bw + 40.0, by - 200.0 + bh + 20},
                     {bx + bw - 10.0, by - 200.0 + bh + 20}},
                    kRed);
    pl.Stamp(pal::Ink, 2);
    for (int j = 0; j < bh; ++j)
        for (int i = 0; i < bw; ++i)
            r.Put(bx + i, by - 200 + j,
                  j < 4        ? pal::RedLight
                  : j > bh - 5 ? pal::RedDark
                               : ShadeAt(kRed, 0.7 - 0.4 * j / bh, bx + i, j));
    for (int i = 0; i < bw; ++i)
        r.Put(bx + i, by - 200 + 6, pal::Gold), r.Put(bx + i, by - 200 + bh - 7, pal::Gold);
    pl.Stamp(pal::Ink, 2);
    TextStyle sub{.dot = 5,
                  .fill = {pal::White, pal::Snow, pal::SnowShadow},
                  .highlight = 0,
                  .outline = pal::Ink,
                  .shadow = pal::RedDark,
                  .shadowOffset = 3,
                  .spacing = 1,
                  .proportional = true};
    DrawTextCentred(c, kCentre, by + (bh - TextHeight(sub)) / 2 - 2, "The Yule Caper", sub);
}

void ButtonBoard(Canvas& c) {
    const assets::Box& panel = assets::kButtonPanel;
    PaintBoard(c, panel.x, panel.y, panel.width, panel.height);
    for (const assets::MenuButton& b : assets::kMainMenuButtons)
        PaintButton(c, b.face.x, b.face.y, b.face.width, b.face.height, b.label, kButtonDot, Light::Off);
    // Holly on the board's corner.
    PartLayer pl(c.Sub(panel.x, panel.y, 200, 80));
    for (int i = 0; i < 3; ++i) {
        FillEllipse(pl.Layer(), 30 + i * 16, 30 + (i % 2) * 8, 14, 7, kGreen);
        pl.Stamp(pal::Ink);
    }
    for (int i = 0; i < 3; ++i) {
        FillEllipse(pl.Layer(), 42 + i * 7, 34 - (i % 2) * 6, 4, 4,
                    {{pal::RedDark, pal::Red, pal::RedLight, pal::White}});
        pl.Stamp(pal::Ink);
    }
}

// The loot waiting by the elf's feet.
void PresentPile(Canvas& c) {
    PartLayer pl(c.Sub(340, 560, 230, 170));
    struct Box {
        int x, y, w, h;
        PresentStyle style;
    };
    // Boxes relative to the window above; their bottoms rest on the floor at 720.
    constexpr Box kPile[] = {{20, 82, 84, 78, PresentStyle::Big},
                             {110, 106, 62, 54, PresentStyle::Small},
                             {36, 30, 52, 50, PresentStyle::Small},
                             {166, 118, 46, 42, PresentStyle::Big}};
    for (const Box& b : kPile) {
        PaintPresent(pl.Layer(), b.x, b.y, b.w, b.h, b.style);
        pl.Stamp(pal::Ink);
    }
}

void LanternGlow(Canvas& c, int state) {
    double r = kGlowRadius[state];
    for (int y = kLanternY; y < kLanternY + 55; ++y)
        for (int x = kLanternX; x < kLanternX + 55; ++x) {
            double d = std::hypot(x + 0.5 - kLanternCX, y + 0.5 - kLanternCY) / r;
            if (d >= 1.0) continue;
            double t = 1.0 - d;
            if (Bayer(x, y) < t * 0.9) c.Put(x, y, t > 0.6 ? pal::Lamp : t > 0.3 ? pal::Gold : pal::GoldDark);
        }
}

void Staff(PartLayer& pl) {
    // A shepherd's crook of a staff; the lantern hangs from its hook.
    Canvas& c = pl.Layer();
    const double pts[][2] = {{128, 736}, {128, 70}, {134, 52}, {148, 42}, {162, 46}, {168, 58}, {168, 74}};
    for (std::size_t i = 0; i + 1 < std::size(pts); ++i)
        FillCapsule(c, pts[i][0], pts[i][1], pts[i + 1][0], pts[i + 1][1], i == 0 ? 5.5 : 4.5, kWood);
    pl.Stamp(pal::Ink, 2);
}

void ElfLegs(PartLayer& pl) {
    Canvas& c = pl.Layer();
    const Ramp stripe = kFur;
    for (int s : {-1, 1}) {
        double hx = 220 + s * 32, ax = 220 + s * 40;
        FillCapsule(c, hx, 600, ax, 690, 15, kRed);
        // Stocking stripes.
        for (int y = 612; y < 690; y += 16)
            for (int j = 0; j < 7; ++j)
                for (int x = static_cast<int>(std::min(hx, ax) - 16); x < std::max(hx, ax) + 16; ++x)
                    if (c.Get(x, y + j) != pal::Transparent)
                        c.Put(x, y + j, ShadeAt(stripe, 0.8 - 0.5 * (x - (hx - 15)) / 30.0, x, y + j));
        pl.Stamp(pal::Ink, 2);
        // Curly-toed shoe with a bell.
        double tx = 220 + s * 95;
        FillPolygonRamp(
            c, {{ax - 20, 682}, {ax + 20, 682}, {tx, 712}, {ax + s * 10, 726}, {ax - s * 22, 726}}, kShoe);
        FillCapsule(c, tx, 712, tx + s * 8, 694, 5, kShoe);
        pl.Stamp(pal::Ink, 2);
        FillEllipse(c, tx + s * 8, 690, 6, 6, kGold);
        pl.Stamp(pal::Ink, 2);
    }
}

void ElfBody(PartLayer& pl) {
    Canvas& c = pl.Layer();
    // Tunic flaring to a zig-zag hem.
    std::vector<Point> tunic{{170, 410}, {270, 410}, {300, 500}, {318, 628}};
    for (int i = 0; i <= 8; ++i) tunic.push_back({318 - i * 24.5, i % 2 ? 612.0 : 640.0});
    tunic.push_back({122, 628});
    tunic.push_back({140, 500});
    FillPolygonRamp(c, tunic, kGreen);
    // Shade the right flank and light the left, as the lantern does.
    for (int y = 410; y < 642; ++y)
        for (int x = 120; x < 320; ++x) {
            std::uint32_t p = c.Get(x, y);
            if (p == pal::Transparent) continue;
            double t = 0.85 - (x - 120) / 260.0 - (y - 410) / 700.0;
            c.Put(x, y, ShadeAt(kGreen, t, x, y));
        }
    // Pleats fanning out from the collar, each a fold in shadow with its lit side to the left.
    for (int k = -3; k <= 3; ++k)
        for (int y = 440; y < 642; ++y) {
            int x = static_cast<int>(220 + k * (12 + (y - 440) * 0.16));
            if (c.Get(x, y) == pal::Transparent) continue;
            c.Put(x, y, pal::GreenDark);
            if (c.Get(x - 1, y) != pal::Transparent) c.Put(x - 1, y, pal::GreenLight);
        }
    // A gold band along the zig-zag hem.
    for (int x = 120; x < 320; ++x) {
        int bottom = 641;
        while (bottom > 600 && c.Get(x, bottom) == pal::Transparent) --bottom;
        for (int j = 0; j < 7 && bottom > 600; ++j)
            c.Put(x, bottom - j,
                  j == 6  ? pal::GoldLight
                  : j < 2 ? pal::GoldDark
                          : ShadeAt(kGold, 0.55, x, bottom - j));
    }
    // Belt and buckle.
    for (int y = 552; y < 574; ++y)
        for (int x = 120; x < 320; ++x)
            if (c.Get(x, y) != pal::Transparent) c.Put(x, y, y < 555 ? pal::Wood : pal::WoodDark);
    FillRect(c, 204, 549, 36, 28, pal::Ink);
    FillRect(c, 207, 552, 30, 22, pal::Gold);
    FillRect(c, 213, 557, 18, 12, pal::WoodDark);
    for (int x = 207; x < 237; ++x) c.Put(x, 552, pal::GoldLight);
    pl.Stamp(pal::Ink, 2);
    // Fur collar with bells.
    FillEllipse(c, 220, 414, 62, 18, kFur);
    pl.Stamp(pal::Ink, 2);
    for (int i = -2; i <= 2; ++i) {
        FillEllipse(c, 220 + i * 24, 430 + std::abs(i) * -3, 7, 7, kGold);
        pl.Stamp(pal::Ink, 2);
    }
}

void ElfArms(PartLayer& pl, bool front) {
    Canvas& c = pl.Layer();
    if (!front) {
        // Hand on hip.
        FillCapsule(c, 276, 440, 326, 506, 16, kGreen);
        FillCapsule(c, 326, 506, 290, 556, 14, kGreen);
        pl.Stamp(pal::Ink, 2);
        FillEllipse(c, 286, 556, 14, 12, kSkin);
        pl.Stamp(pal::Ink, 2);
        return;
    }
    // The arm holding the staff.
    FillCapsule(c, 166, 440, 140, 500, 16, kGreen);
    FillCapsule(c, 140, 500, 132, 452, 14, kGreen);
    pl.Stamp(pal::Ink, 2);
    FillCapsule(c, 135, 466, 133, 458, 15, kFur);
    pl.Stamp(pal::Ink, 2);
    FillEllipse(c, 131, 446, 15, 14, kSkin);
    pl.Stamp(pal::Ink, 2);
    // Fingers curled round the staff.
    for (int i = 0; i < 3; ++i) {
        FillCapsule(c, 120, 440 + i * 8, 138, 440 + i * 8, 3.5, kSkin);
        pl.Stamp(pal::Ink);
    }
}

void ElfHat(PartLayer& pl) {
    Canvas& c = pl.Layer();
    // A tall hat drooping back over to the right, the bobble hanging low.
    FillPolygonRamp(c, {{172, 332}, {268, 332}, {276, 270}, {300, 226}, {330, 214}, {318, 240}, {296, 280}},
                    kRed);
    FillPolygonRamp(
        c, {{172, 332}, {190, 270}, {230, 226}, {300, 200}, {330, 214}, {300, 226}, {276, 270}, {268, 332}},
        kRed);
    pl.Stamp(pal::Ink, 2);
    FillEllipse(c, 336, 224, 18, 17, kFur);
    pl.Stamp(pal::Ink, 2);
    FillCapsule(c, 170, 332, 270, 332, 13, kFur);
    pl.Stamp(pal::Ink, 2);
}

void ElfFace(PartLayer& pl, bool narrowed) {
    Canvas& c = pl.Layer();
    // Ears, then the head.
    FillPolygonRamp(c, {{186, 346}, {194, 376}, {144, 332}}, kSkin);
    FillPolygonRamp(c, {{254, 346}, {246, 376}, {296, 332}}, kSkin);
    pl.Stamp(pal::Ink, 2);
    FillEllipse(c, 220, 366, 41, 40, kSkin);
    pl.Stamp(pal::Ink, 2);
    // Cheeks, freckles, nose.
    for (int s : {-1, 1}) {
        FillEllipseFlat(c, 220 + s * 25, 384, 8, 5, pal::RedLight);
        c.Put(220 + s * 22, 380, pal::SkinDark), c.Put(220 + s * 27, 382, pal::SkinDark),
            c.Put(220 + s * 24, 386, pal::SkinDark);
    }
    FillEllipse(c, 221, 377, 8, 7, {{pal::SkinDark, pal::RedLight, pal::Skin, pal::White}});
    // Eyes: wide open, or narrowed into a sly look.
    for (int s : {-1, 1}) {
        int ex = 220 + s * 16;
        FillEllipseFlat(c, ex, 360, 7, 9, pal::Ink);
        FillEllipseFlat(c, ex, 360, 6, 8, pal::White);
        FillEllipseFlat(c, ex + 2, 359, 3.5, 4.5, pal::Ink);
        c.Put(ex + 1, 357, pal::White);
        if (narrowed) {
            for (int y = 350; y < 358; ++y)
                for (int x = ex - 8; x <= ex + 8; ++x)
                    if (c.Get(x, y) == pal::White || c.Get(x, y) == pal::Ink) c.Put(x, y, pal::Skin);
            for (int x = ex - 7; x <= ex + 7; ++x) c.Put(x, 357, pal::Ink), c.Put(x, 356, pal::SkinDark);
        }
        // Brows: raised when the eyes are open, lowered with the narrowed look.
        int lift = narrowed ? 4 : 0;
        for (int i = -6; i <= 6; ++i) {
            int by = 345 + lift + (s * i > 0 ? -1 : 0) - (narrowed ? (s * i) / 4 : 0);
            c.Put(ex + i, by, pal::WoodDark), c.Put(ex + i, by + 1, pal::WoodDark);
        }
    }
    // A cheeky smile.
    for (int i = -12; i <= 12; ++i) {
        int my = 392 + static_cast<int>(i * i / 28.0) * -1 + 4;
        c.Put(220 + i, my, pal::Ink), c.Put(220 + i, my + 1, pal::Ink);
    }
    pl.Stamp(pal::Transparent);
}

void PaintScene(Canvas& c, SceneState s) {
    PaintBrickWall(c, 0, 0, 1024, 720);
    PaintGarlandBeam(c, 0, 1024);
    Window(c);
    PaintFloor(c, 720, 1024, 48);
    Logo(c);
    ButtonBoard(c);
    PresentPile(c);
    LanternGlow(c, s.lantern);
    PartLayer pl(c.Sub(0, 0, 400, 768));
    ElfArms(pl, false);
    ElfLegs(pl);
    ElfBody(pl);
    Staff(pl);
    ElfArms(pl, true);
    ElfHat(pl);
    ElfFace(pl, s.narrowed);
    PaintLantern(c, kLanternCX, kLanternCY - 25, 2.3, s.lantern);
}

// Paints the scene through a window of the cell's size at (x, y).
void Crop(Canvas& cell, SceneState s, int x, int y) {
    platform::Pixels window = BlankPicture(cell.Width(), cell.Height());
    Canvas scene(window, -x, -y, 1024, 768);
    PaintScene(scene, s);
    for (int j = 0; j < cell.Height(); ++j)
        for (int i = 0; i < cell.Width(); ++i) cell.Put(i, j, window.At(i, j));
}

}  // namespace

void PaintMainMenu(Canvas& c, const assets::AssetInfo&) { PaintScene(c, {}); }

void PaintMenuLamps(Canvas& c, const assets::AssetInfo& info) {
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        Crop(cell, {.lantern = f, .narrowed = false}, kLanternX, kLanternY);
    }
}

void PaintMenuFace(Canvas& c, const assets::AssetInfo& info) {
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        Crop(cell, {.lantern = 0, .narrowed = f == 1}, kFaceFrameX, kFaceFrameY);
    }
}

void PaintGenericBackdrop(Canvas& c, const assets::AssetInfo& info) {
    PaintBrickWall(c, 0, 0, info.width, 720, 0.8);
    PaintGarlandBeam(c, 0, info.width);
    PaintFloor(c, 720, info.width, 48);
    // A frosty window on the left, clear of the heading and the text column.
    constexpr int x = 80, y = 210, w = 300, h = 360;
    FillRoundRect(c, x - 12, y - 12, w + 24, h + 24, 20, pal::Ink);
    FillRoundRect(c, x - 10, y - 10, w + 20, h + 20, 18, pal::Wood);
    FillRoundRect(c, x - 4, y - 4, w + 8, h + 8, 14, pal::Ink);
    PaintNightSky(c, x, y, w, h, 77);
    for (int i = 0; i < w; ++i) {
        c.Put(x + i, y + h / 2, pal::WoodDark);
        c.Put(x + i, y + h / 2 + 1, pal::Wood);
        for (int j = 0; j < 4 + static_cast<int>(3 * std::sin(i / 11.0)); ++j)
            c.Put(x + i, y + h - 1 - j, pal::Snow);
    }
    for (int j = 0; j < h; ++j)
        c.Put(x + w / 2, y + j, pal::WoodDark), c.Put(x + w / 2 + 1, y + j, pal::Wood);
}

}  // namespace art
