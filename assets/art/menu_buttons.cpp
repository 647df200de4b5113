// The lit buttons and the screen headings.
#include <array>

#include "assets/art/menu_layout.h"
#include "assets/art/menu_style.h"
#include "assets/art/paint.h"
#include "assets/art/sheets.h"
#include "assets/palette.h"

namespace art {
namespace {

namespace pal = assets::palette;

constexpr std::array<std::string_view, 4> kHeadings{"INFO", "OPTIONS", "CREDITS", "REDEFINE KEYS"};

}  // namespace

void PaintMenuButtons(Canvas& c, const assets::AssetInfo& info) {
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        bool menu = f >= static_cast<int>(kMainButtons.size());
        std::string_view label = menu ? "MENU" : kMainButtons[f].label;
        Light lit = (menu && f == 4) ? Light::Off : Light::On;
        PaintButton(cell, kFaceX, kFaceY, kFaceW, kFaceH, label, kButtonDot, lit);
        if (lit == Light::On) {  // a gold halo hugging the lit button
            Outline(cell, pal::GoldLight);
            Outline(cell, pal::GoldDark);
        }
    }
}

void PaintOnlineButton(Canvas& c, const assets::AssetInfo& info) {
    PaintButton(c, 0, 0, info.width, info.height, kOnlineButton.label, kButtonDot, Light::On);
}

void PaintCloseButton(Canvas& c, const assets::AssetInfo& info) {
    PaintButton(c, 0, 0, info.width, info.height, kCloseButton.label, kButtonDot, Light::On);
}

void PaintHeadings(Canvas& c, const assets::AssetInfo& info) {
    // Lettering only, on transparent: the REDEFINE KEYS heading also lights the
    // options panel's own label from above.
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        DrawText(cell, kHeadingTextX, kHeadingTextY, kHeadings[f], HeadingText());
        // A holly sprig after the word on the screen headings.
        int end = kHeadingTextX + TextWidth(kHeadings[f], HeadingText()) + 14;
        if (f == 3) continue;
        PartLayer pl(cell);
        FillEllipse(pl.Layer(), end + 6, 20, 7, 4,
                    {{pal::GreenDark, pal::Green, pal::GreenLight, pal::GreenLight}});
        FillEllipse(pl.Layer(), end + 18, 24, 7, 4,
                    {{pal::GreenDark, pal::Green, pal::GreenLight, pal::GreenLight}});
        pl.Stamp(pal::Ink);
        for (int i = 0; i < 3; ++i) {
            FillEllipse(pl.Layer(), end + 10 + i * 4, 27 - (i % 2) * 4, 2.6, 2.6,
                        {{pal::RedDark, pal::Red, pal::RedLight, pal::White}});
            pl.Stamp(pal::Ink);
        }
    }
}

}  // namespace art
