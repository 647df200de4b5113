// The options panel, the outline of the lit row, and the tick and cross.
#include "assets/menu_layout.h"
#include "assets/palette.h"
#include "generators/art/menu_style.h"
#include "generators/art/paint.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;
using assets::kHeadingOverX, assets::kHeadingOverY, assets::kHeadingTextX, assets::kHeadingTextY;
using assets::kOptionRows, assets::kOptionsX, assets::kOptionsY, assets::kTickX;

void EmptyTickBox(Canvas& c, int x, int y) {
    // A sunken box centred in the tick's cell.
    int bx = x + 14, by = y + 8, s = 40;
    FillRoundRect(c, bx, by, s, s, 4, pal::Ink);
    FillRoundRect(c, bx + 2, by + 2, s - 4, s - 4, 3, pal::NightDeep);
    for (int i = 3; i < s - 3; ++i)
        c.Put(bx + i, by + s - 3, pal::Stone), c.Put(bx + s - 3, by + i, pal::Stone);
}

}  // namespace

void PaintOptionsPanel(Canvas& c, const assets::AssetInfo& info) {
    int w = info.width, h = info.height;
    PaintDialogPanel(c, w, h);
    for (std::size_t r = 0; r < kOptionRows.size(); ++r) {
        const assets::OptionRow& row = kOptionRows[r];
        int y = row.outlineY - kOptionsY;
        // Each row sits where its highlight outline will be drawn.
        int textY = kHeadingOverY - kOptionsY + kHeadingTextY - (kOptionRows[4].outlineY - row.outlineY);
        DrawText(c, kHeadingOverX - kOptionsX + kHeadingTextX, textY, row.label, LabelText(Light::Off));
        if (row.tickY) EmptyTickBox(c, kTickX - kOptionsX, row.tickY - kOptionsY);
        if (r + 1 < kOptionRows.size()) {
            int sep = y + 71 + (kOptionRows[r + 1].outlineY - row.outlineY - 71) / 2;
            for (int x = 30; x < w - 30; ++x)
                if (x % 4) c.Put(x, sep, pal::Stone), c.Put(x, sep + 1, pal::NightDeep);
        }
    }
}

void PaintOptionsFrame(Canvas& c, const assets::AssetInfo& info) {
    // A gold ring around the lit row; the inside stays transparent.
    int w = info.width, h = info.height;
    FillRoundRect(c, 0, 0, w, h, 10, pal::Ink);
    FillRoundRect(c, 1, 1, w - 2, h - 2, 9, pal::GoldDark);
    FillRoundRect(c, 2, 2, w - 4, h - 4, 8, pal::Gold);
    FillRoundRect(c, 3, 3, w - 6, h - 6, 7, pal::GoldLight);
    FillRoundRect(c, 5, 5, w - 10, h - 10, 5, pal::Ink);
    FillRoundRect(c, 6, 6, w - 12, h - 12, 4, pal::Transparent);
    for (int x : {12, w - 13}) Sparkle(c, x, 3, pal::White, pal::GoldLight);
}

void PaintTickAndCross(Canvas& c, const assets::AssetInfo& info) {
    Canvas tick = c.Cell(0, info.cellWidth, info.cellHeight),
           cross = c.Cell(1, info.cellWidth, info.cellHeight);
    const Ramp green{{pal::GreenDark, pal::Green, pal::GreenLight, pal::White}};
    const Ramp red{{pal::RedDark, pal::Red, pal::RedLight, pal::White}};
    PartLayer pt(tick);
    FillCapsule(pt.Layer(), 20, 30, 30, 42, 4.5, green);
    FillCapsule(pt.Layer(), 30, 42, 50, 12, 4.5, green);
    pt.Stamp(pal::Ink, 2);
    PartLayer px(cross);
    FillCapsule(px.Layer(), 20, 14, 48, 42, 4.5, red);
    FillCapsule(px.Layer(), 48, 14, 20, 42, 4.5, red);
    px.Stamp(pal::Ink, 2);
}

}  // namespace art
