// The menu look.
#include "generators/art/menu_style.h"

#include <algorithm>
#include <cmath>

#include "assets/palette.h"
#include "generators/art/paint.h"

namespace art {
namespace {

namespace pal = assets::palette;

const Ramp kIron{{pal::Ink, pal::Iron, pal::Steel, pal::SteelLight}};
const Ramp kWood{{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}};
constexpr std::uint32_t kBulbs[] = {pal::Red, pal::Gold, pal::GreenLight, pal::BlueLight, pal::PinkLight};

}  // namespace

void PaintBrickWall(Canvas& c, int x0, int y0, int w, int h, double light) {
    constexpr int kBrickW = 32, kBrickH = 14;
    Rect r = c.Visible(x0, y0, w, h);
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) {
            int row = y / kBrickH, bx = (x + (row % 2) * kBrickW / 2) / kBrickW;
            bool mortar = y % kBrickH == 0 || (x + (row % 2) * kBrickW / 2) % kBrickW == 0;
            // Night falls from the top; each brick has its own shade.
            double depth = std::clamp((y - y0) / static_cast<double>(h), 0.0, 1.0);
            double t = (0.15 + 0.45 * depth + 0.18 * Noise(bx, row, 3)) * light;
            std::uint32_t colour;
            if (mortar)
                colour = GradientAt({pal::NightDeep, pal::Night, pal::Stone}, t * 0.8, x, y);
            else {
                bool lip = y % kBrickH == 1;  // lit upper edge of each brick
                colour = GradientAt({pal::NightDeep, pal::BrickDark, pal::Brick, pal::BrickLight},
                                    t + (lip ? 0.2 : 0), x, y);
            }
            c.Put(x, y, colour);
        }
}

void PaintGarlandBeam(Canvas& c, int y, int width) {
    for (int j = 0; j < 22; ++j)
        for (int x = 0; x < width; ++x) {
            double t = 0.85 - j / 24.0 + 0.12 * Noise(x / 9, j / 3, 5);
            c.Put(x, y + j, j == 0 ? pal::WoodLight : j == 21 ? pal::Ink : ShadeAt(kWood, t, x, y + j));
        }
    // The garland sags between nails, a bulb at every dip and peak.
    PartLayer pl(c.Sub(0, 0, width, y + 60));
    for (int x = 0; x < width; ++x) {
        double sag = std::sin((x % 96) / 96.0 * 3.14159) * 14;
        for (int k = -3; k <= 3; ++k) {
            int gy = static_cast<int>(y + 20 + sag + k);
            double leaf = Noise(x / 2, gy / 2, 9);
            if (std::abs(k) == 3 && leaf < 0.5) continue;
            pl.Layer().Put(x, gy, leaf > 0.7 ? pal::GreenLight : leaf > 0.3 ? pal::Green : pal::GreenDark);
        }
    }
    pl.Stamp(pal::Ink);
    for (int i = 0; i * 48 < width; ++i) {
        int bx = i * 48 + 24;
        double sag = std::sin((bx % 96) / 96.0 * 3.14159) * 14;
        std::uint32_t bulb = kBulbs[i % 5];
        FillEllipse(pl.Layer(), bx, y + 28 + sag, 3.5, 4.5, {{pal::Ink, bulb, bulb, pal::White}});
        pl.Stamp(pal::Ink);
    }
}

void PaintFloor(Canvas& c, int y0, int width, int height) {
    Rect r = c.Visible(0, y0, width, height);
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) {
            int plank = (x + ((y - y0) / 12) * 37) / 90;
            bool seam = (y - y0) % 12 == 0 || (x + ((y - y0) / 12) * 37) % 90 == 0;
            double t = 0.55 - 0.3 * (y - y0) / height + 0.2 * Noise(plank, (y - y0) / 12, 4);
            c.Put(x, y, seam ? pal::WoodDark : ShadeAt(kWood, t, x, y));
        }
    // Snow blown in along the skirting.
    for (int x = 0; x < width; ++x) {
        int drift = static_cast<int>(3 + 3 * std::sin(x / 37.0) + 2 * Noise(x / 5, 0, 2));
        for (int j = 0; j < drift; ++j)
            c.Put(x, y0 + j, j == 0 ? pal::White : j < 2 ? pal::Snow : pal::SnowShadow);
    }
}

void PaintNightSky(Canvas& c, int x0, int y0, int w, int h, int seed) {
    Rect r = c.Visible(x0, y0, w, h);
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) {
            double t = (y - y0) / static_cast<double>(h);
            c.Put(x, y, GradientAt({pal::NightDeep, pal::Night, pal::NightLight}, t * 0.9, x, y));
            double n = Noise(x, y, seed);
            if (n > 0.9985)
                c.Put(x, y, pal::White);
            else if (n > 0.996)
                c.Put(x, y, pal::SnowShadow);
        }
    for (int i = 0; i < w * h / 1800; ++i) {
        int x = x0 + static_cast<int>(Noise(i, 1, seed + 1) * w),
            y = y0 + static_cast<int>(Noise(i, 2, seed + 1) * h);
        if (Noise(i, 3, seed) > 0.8)
            Sparkle(c, x, y, pal::White, pal::SnowShadow);
        else
            c.Put(x, y, pal::Snow);
    }
}

void PaintBoard(Canvas& c, int x, int y, int w, int h) {
    Rect r = c.Visible(x, y, w, h);
    for (int j = r.y0 - y; j < r.y1 - y; ++j)
        for (int i = r.x0 - x; i < r.x1 - x; ++i) {
            int plank = j / 20;
            bool seam = j % 20 == 0;
            double t = 0.45 + 0.25 * Noise(plank, i / 40, 6) - 0.2 * j / h + 0.08 * Noise(i / 3, j, 8);
            c.Put(x + i, y + j, seam ? pal::WoodDark : ShadeAt(kWood, t, x + i, y + j));
        }
    for (int i = 0; i < w; ++i)
        for (int k = 0; k < 5; ++k) {
            c.Put(x + i, y + k, k == 0 ? kIron.tone[3] : k == 4 ? kIron.tone[0] : kIron.tone[1]);
            c.Put(x + i, y + h - 1 - k, k == 4 ? kIron.tone[2] : k == 0 ? kIron.tone[0] : kIron.tone[1]);
        }
    for (int j = 0; j < h; ++j)
        for (int k = 0; k < 5; ++k) {
            c.Put(x + k, y + j, k == 0 ? kIron.tone[3] : k == 4 ? kIron.tone[0] : kIron.tone[1]);
            c.Put(x + w - 1 - k, y + j, k == 0 ? kIron.tone[0] : kIron.tone[1]);
        }
    for (int px : {x + 10, x + w - 11})
        for (int py : {y + 10, y + h - 11}) FillEllipse(c, px, py, 3, 3, kIron);
}

void PaintButton(Canvas& c, int x, int y, int w, int h, std::string_view label, int dot, Light lit) {
    bool on = lit == Light::On;
    const Ramp face = on ? Ramp{{pal::RedDark, pal::Red, pal::RedLight, pal::RedLight}}
                         : Ramp{{pal::Ink, pal::WoodDark, pal::Wood, pal::WoodLight}};
    const std::uint32_t rim = on ? pal::Gold : pal::Iron;
    FillRoundRect(c, x, y, w, h, 8, pal::Ink);
    FillRoundRect(c, x + 1, y + 1, w - 2, h - 2, 7, rim);
    FillRoundRect(c, x + 3, y + 3, w - 6, h - 6, 5, on ? pal::GoldLight : pal::Steel);
    // The face is lit from the top-left: a bright band, the body, a dark foot.
    for (int j = 5; j < h - 5; ++j)
        for (int i = 5; i < w - 5; ++i) {
            double t = 0.9 - 0.7 * (j - 5) / (h - 10.0) - 0.1 * (i - 5) / (w - 10.0);
            if (c.Get(x + i, y + j) != pal::Transparent) c.Put(x + i, y + j, ShadeAt(face, t, x + i, y + j));
        }
    FillRoundRect(c, x + 5, y + h - 6, w - 10, 2, 1, on ? pal::GoldDark : pal::Ink);
    TextStyle text{.dot = dot,
                   .fill = on ? std::vector<std::uint32_t>{pal::White, pal::GoldLight, pal::Gold}
                              : std::vector<std::uint32_t>{pal::Straw, pal::WoodLight, pal::WoodLight},
                   .highlight = on ? pal::White : pal::Parchment,
                   .outline = pal::Ink,
                   .shadow = on ? pal::RedDark : pal::WoodDark,
                   .shadowOffset = 2};
    DrawTextCentred(c, x + w / 2, y + (h - TextHeight(text)) / 2, label, text);
}

void PaintDialogPanel(Canvas& c, int w, int h) {
    FillRoundRect(c, 0, 0, w, h, 16, pal::Ink);
    FillRoundRect(c, 1, 1, w - 2, h - 2, 15, pal::StoneLight);
    FillRoundRect(c, 3, 3, w - 6, h - 6, 13, pal::SteelLight);
    FillRoundRect(c, 5, 5, w - 10, h - 10, 11, pal::Stone);
    FillRoundRect(c, 9, 9, w - 18, h - 18, 8, pal::Ink);
    // Dark fill, a touch lighter at the top, with a faint frost of dots.
    for (int y = 10; y < h - 10; ++y)
        for (int x = 10; x < w - 10; ++x) {
            if (c.Get(x, y) == pal::Transparent || c.Get(x, y) != pal::Ink) continue;
            double t = 0.7 - 0.7 * (y - 10) / (h - 20.0);
            std::uint32_t p = GradientAt({pal::NightDeep, pal::Night, pal::NightLight}, t * 0.8, x, y);
            if (Noise(x, y, 21) > 0.997) p = pal::StoneLight;
            c.Put(x, y, p);
        }
    for (int px : {14, w - 15})
        for (int py : {14, h - 15}) FillEllipse(c, px, py, 2.5, 2.5, kIron);
}

TextStyle PanelText() {
    return {.dot = 3,
            .fill = {pal::White, pal::Snow, pal::SnowShadow},
            .highlight = 0,
            .outline = pal::Ink,
            .shadow = pal::NightDeep,
            .shadowOffset = 2};
}

TextStyle PanelKeyText() {
    return {.dot = 3,
            .fill = {pal::GoldLight, pal::Gold, pal::Gold},
            .highlight = 0,
            .outline = pal::Ink,
            .shadow = pal::NightDeep,
            .shadowOffset = 2};
}

TextStyle HeadingText() {
    return {.dot = 4,
            .fill = {pal::GoldLight, pal::Gold, pal::GoldDark},
            .highlight = pal::White,
            .outline = pal::Ink,
            .shadow = pal::RedDark,
            .shadowOffset = 3};
}

TextStyle LabelText(Light lit) {
    if (lit == Light::On) return HeadingText();
    return {.dot = 4,
            .fill = {pal::Parchment, pal::Straw, pal::WoodLight},
            .highlight = 0,
            .outline = pal::Ink,
            .shadow = pal::WoodDark,
            .shadowOffset = 3};
}

}  // namespace art
