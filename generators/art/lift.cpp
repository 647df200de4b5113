// The lift cage and one piece of its rope.
#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {
namespace {
namespace pal = assets::palette;
const Ramp kIron{{pal::Ink, pal::Iron, pal::Steel, pal::SteelLight}};
}  // namespace

void PaintLiftCage(Canvas& c, const assets::AssetInfo& info) {
    int w = info.width, h = info.height;
    // The back of the car is boarded so nothing of the shaft shows through it;
    // the hero is drawn in front of it.
    for (int y = 8; y < h - 6; ++y)
        for (int x = 3; x < w - 3; ++x) {
            bool seam = (x - 3) % 7 == 0;
            double shade = 0.8 - 0.6 * (y - 8) / (h - 14.0) - 0.15 * ((x - 3) / 7 % 2);
            c.Put(x, y,
                  seam ? pal::WoodDark
                       : ShadeAt({{pal::Ink, pal::WoodDark, pal::Wood, pal::WoodLight}}, shade, x, y));
        }
    // A diagonal brace behind the hero's head.
    for (int i = 0; i < w - 8; ++i)
        c.Put(4 + i, 10 + i / 2, pal::WoodDark), c.Put(4 + i, 11 + i / 2, pal::WoodLight);
    // Iron frame: roof beam with the rope shackle, posts, floor plate.
    BevelRect(c, 0, 4, w, 5, kIron);
    BevelRect(c, 0, 4, 4, h - 4, kIron);
    BevelRect(c, w - 4, 4, 4, h - 4, kIron);
    BevelRect(c, 0, h - 6, w, 6, kIron);
    for (int x = 2; x < w - 2; x += 6) c.Put(x, h - 4, pal::SteelLight), c.Put(x, 6, pal::SteelLight);
    FillRect(c, 21, 0, 6, 5, kIron.tone[1]);
    FillRect(c, 23, 1, 2, 2, pal::Ink);
    for (int y = 9; y < h - 6; y += 8) c.Put(1, y, pal::SteelLight), c.Put(w - 3, y, pal::SteelLight);
    Outline(c, pal::Ink);
}

void PaintLiftRope(Canvas& c, const assets::AssetInfo& info) {
    // Twisted strands; the twist repeats every 4 pixels, so stacked pieces join seamlessly.
    const std::uint32_t strand[] = {pal::Straw, pal::WoodLight, pal::Wood, pal::WoodDark};
    for (int y = 0; y < info.height; ++y) {
        c.Put(2, y, pal::Ink);
        c.Put(6, y, pal::Ink);
        for (int x = 3; x <= 5; ++x) c.Put(x, y, strand[(x + y) % 4]);
    }
}

}  // namespace art
