// The Santa shape loaded at start-up: a round Santa figure in his red suit.
#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {

void PaintSantaShape(Canvas& c, const assets::AssetInfo&) {
    namespace pal = assets::palette;
    PartLayer pl(c);
    const Ramp suit{{pal::RedDark, pal::Red, pal::RedLight, pal::RedLight}};
    const Ramp fur{{pal::SnowShadow, pal::Snow, pal::White, pal::White}};
    const Ramp boots{{pal::Ink, pal::Iron, pal::Stone, pal::Steel}};
    FillCapsule(pl.Layer(), 25, 52, 24, 60, 3.5, boots);
    FillCapsule(pl.Layer(), 39, 52, 40, 60, 3.5, boots);
    pl.Stamp(pal::Ink);
    FillEllipse(pl.Layer(), 32, 40, 15, 14, suit);
    FillRect(pl.Layer(), 18, 40, 29, 3, pal::Ink);
    FillRect(pl.Layer(), 29, 39, 6, 5, pal::Gold);
    pl.Stamp(pal::Ink);
    FillEllipse(pl.Layer(), 32, 18, 8, 8, {{pal::SkinDark, pal::Skin, pal::Skin, pal::Parchment}});
    pl.Stamp(pal::Ink);
    FillEllipse(pl.Layer(), 32, 26, 9, 7, fur);
    FillPolygonRamp(pl.Layer(), {{23, 13}, {41, 13}, {46, 4}, {32, 2}}, suit);
    FillCapsule(pl.Layer(), 23, 13, 41, 13, 2, fur);
    FillEllipse(pl.Layer(), 47, 5, 3, 3, fur);
    pl.Stamp(pal::Ink);
    c.Put(29, 17, pal::Ink), c.Put(35, 17, pal::Ink);
    FillEllipse(c, 32, 20, 2, 1.6, {{pal::RedDark, pal::Red, pal::RedLight, pal::RedLight}});
}

}  // namespace art
