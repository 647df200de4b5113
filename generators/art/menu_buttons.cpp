// The lit buttons and the screen headings.
#include <array>

#include "assets/menu_layout.h"
#include "assets/palette.h"
#include "generators/art/menu_style.h"
#include "generators/art/paint.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

constexpr std::array<std::string_view, 4> kHeadings{"INFO", "OPTIONS", "CREDITS", "REDEFINE KEYS"};

}  // namespace

void PaintMenuButtons(Canvas& c, const assets::AssetInfo& info) {
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        bool menu = f > assets::kMenuCredits;
        const assets::MenuButton& b = menu ? assets::kMenuButton : assets::kMainMenuButtons[f];
        Light lit = (menu && f == assets::kMenuButtonUnlitFrame) ? Light::Off : Light::On;
        PaintButton(cell, b.face.x - b.x, b.face.y - b.y, b.face.width, b.face.height, b.label, kButtonDot,
                    lit);
        // A gold halo hugs the lit big buttons; the MENU face fills its cell's
        // corner, so it glows through its gold rim alone.
        if (!menu) {
            Outline(cell, pal::GoldLight);
            Outline(cell, pal::GoldDark);
        }
    }
}

void PaintOnlineButton(Canvas& c, const assets::AssetInfo& info) {
    PaintButton(c, 0, 0, info.width, info.height, assets::kMainMenuButtons[assets::kMenuOnline].label,
                kButtonDot, Light::On);
}

void PaintCloseButton(Canvas& c, const assets::AssetInfo& info) {
    PaintButton(c, 0, 0, info.width, info.height, assets::kMainMenuButtons[assets::kMenuClose].label,
                kButtonDot, Light::On);
}

void PaintHeadings(Canvas& c, const assets::AssetInfo& info) {
    // Lettering only, on transparent. The REDEFINE KEYS heading also lights the
    // options panel's own label from above, so it keeps the labels' size; the
    // other headings are larger and end in a sprig of holly.
    const Ramp leaf{{pal::GreenDark, pal::Green, pal::GreenLight, pal::GreenLight}};
    const Ramp berry{{pal::RedDark, pal::Red, pal::RedLight, pal::White}};
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        bool overPanel = f == 3;
        TextStyle style = HeadingText();
        if (!overPanel) style.dot = 7;
        DrawText(cell, assets::kHeadingTextX, assets::kHeadingTextY, kHeadings[f], style);
        if (overPanel) continue;
        int x = assets::kHeadingTextX + TextWidth(kHeadings[f], style) + 18,
            y = assets::kHeadingTextY + TextHeight(style) / 2;
        PartLayer pl(cell);
        FillEllipse(pl.Layer(), x + 8, y - 4, 10, 5, leaf);
        pl.Stamp(pal::Ink);
        FillEllipse(pl.Layer(), x + 24, y + 2, 10, 5, leaf);
        pl.Stamp(pal::Ink);
        for (int i = 0; i < 3; ++i) {
            FillEllipse(pl.Layer(), x + 12 + i * 6, y + 4 - (i % 2) * 6, 3.6, 3.6, berry);
            pl.Stamp(pal::Ink);
        }
    }
}

}  // namespace art
