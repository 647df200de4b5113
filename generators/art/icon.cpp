// The window icon: the hero's grinning face on a night-blue badge.
#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {

void PaintIcon(Canvas& c, const assets::AssetInfo& info) {
    namespace pal = assets::palette;
    FillRoundRect(c, 0, 0, info.width, info.height, 12, pal::Ink);
    FillRoundRect(c, 2, 2, info.width - 4, info.height - 4, 10, pal::NightLight);
    FillRoundRect(c, 4, 4, info.width - 8, info.height - 8, 8, pal::Night);
    for (int i = 0; i < 9; ++i) Sparkle(c, 8 + (i * 23) % 48, 8 + (i * 37) % 48, pal::White, pal::SnowShadow);
    // The hero facing the viewer, head and shoulders, at twice his size.
    platform::Pixels cell = BlankPicture(64, 64);
    Canvas figure(cell);
    Pose p;
    p.view = View::Front;
    p.nearArm = {10, 20};
    p.farArm = {10, 20};
    p.hipX = 32;
    p.hipY = GroundedHipY(HeroLook(), p);
    PaintFigure(figure, HeroLook(), p, {});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            std::uint32_t px = figure.Get(17 + x, 4 + y);
            if (px == pal::Transparent) continue;
            for (int k = 0; k < 4; ++k) c.Put(3 + 2 * x + k % 2, 6 + 2 * y + k / 2, px);
        }
}

}  // namespace art
