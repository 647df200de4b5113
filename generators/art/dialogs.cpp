// The dialog panels: the minecart hint, the difficulty choice and the empty
// panel the game writes its own messages on.
#include <string_view>

#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/menu_style.h"
#include "generators/art/paint.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

// One centred line in which the words between '|' marks are key names.
void KeyLine(Canvas& c, int centreX, int y, std::string_view marked) {
    std::string plain;
    for (char ch : marked)
        if (ch != '|') plain += ch;
    TextStyle text = PanelText(), key = PanelKeyText();
    int x = centreX - TextWidth(plain, text) / 2, step = TextWidth("AA", text) - TextWidth("A", text);
    bool inKey = false;
    for (char ch : marked) {
        if (ch == '|') {
            inKey = !inKey;
            continue;
        }
        DrawText(c, x, y, std::string_view(&ch, 1), inKey ? key : text);
        x += step;
    }
}

}  // namespace

void PaintEmptyDialog(Canvas& c, const assets::AssetInfo& info) {
    PaintDialogPanel(c, info.width, info.height);
}

void PaintMinecartInfo(Canvas& c, const assets::AssetInfo& info) {
    PaintDialogPanel(c, info.width, info.height);
    int cx = info.width / 2;
    KeyLine(c, cx, 40, "Press |LEFT|, |RIGHT| or |UP|");
    KeyLine(c, cx, 76, "to exit the minecart.");
    // A little cart with its rails under the text.
    const Ramp iron{{pal::Ink, pal::Iron, pal::Steel, pal::SteelLight}};
    const Ramp wood{{pal::WoodDark, pal::Wood, pal::WoodLight, pal::Straw}};
    PartLayer pl(c);
    FillPolygonRamp(pl.Layer(), {{cx - 34.0, 122}, {cx + 34.0, 122}, {cx + 28.0, 150}, {cx - 28.0, 150}},
                    wood);
    FillRect(pl.Layer(), cx - 36, 120, 72, 4, pal::Steel);
    pl.Stamp(pal::Ink);
    for (int s : {-1, 1}) {
        FillEllipse(pl.Layer(), cx + s * 18, 154, 7, 7, iron);
        pl.Stamp(pal::Ink);
    }
    for (int x = 40; x < info.width - 40; ++x) {
        c.Put(x, 162, pal::SteelLight);
        c.Put(x, 163, pal::Iron);
        if (x % 16 == 0) FillRect(c, x - 3, 164, 8, 3, pal::WoodDark);
    }
}

void PaintDifficultyPanel(Canvas& c, const assets::AssetInfo& info) {
    PaintDialogPanel(c, info.width, info.height);
    int cx = info.width / 2;
    KeyLine(c, cx, 24, "Press |LEFT| / |RIGHT|");
    KeyLine(c, cx, 56, "to set difficulty.");
    // The game writes "> NORMAL <" or ">  EASY  <" at (148, 106); a sunken
    // slot frames that line and is otherwise left clear.
    FillRoundRect(c, 132, 98, 192, 36, 6, pal::Ink);
    FillRoundRect(c, 134, 100, 188, 32, 5, pal::NightDeep);
    for (int x = 138; x < 318; ++x) c.Put(x, 131, pal::Stone);
    KeyLine(c, cx, 152, "Then |FIRE| to start!");
}

}  // namespace art
