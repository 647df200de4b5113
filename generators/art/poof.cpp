// Smoke: the puffs whose 4 by 4 tiles fly as fragments, and the big puff
// thinning out into wisps.
#include <cmath>

#include "assets/palette.h"
#include "generators/art/figures.h"
#include "generators/art/sheets.h"

namespace art {
namespace {

namespace pal = assets::palette;

const Ramp kSmoke{{pal::SteelLight, pal::SteelLight, pal::Snow, pal::White}};
const Ramp kSmokeShade{{pal::Steel, pal::SteelLight, pal::Snow, pal::White}};

struct Blob {
    double x, y, r;
};

void Cloud(Canvas& c, const std::vector<Blob>& blobs, std::uint32_t edge) {
    PartLayer pl(c);
    for (const Blob& b : blobs) FillEllipse(pl.Layer(), b.x, b.y, b.r, b.r * 0.9, kSmokeShade);
    pl.Stamp(edge);
}

}  // namespace

void PaintPoofFragments(Canvas& c, const assets::AssetInfo&) {
    // The top puff fills its whole square so that every 4 by 4 fragment shows smoke.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double n = Noise(x / 3, y / 3, 11) * 0.35;
            double t = 0.85 - 0.45 * (x + y) / 62.0 + n - 0.15;
            c.Put(x, y, ShadeAt(kSmokeShade, t, x, y));
        }
    // Below it, smaller stacked puffs.
    for (int i = 1; i < 5; ++i) {
        Canvas puff = c.Sub(0, i * 32, 32, 32);
        double r = 11.0 - i;
        Cloud(puff, {{16, 17, r}, {9, 19, r * 0.7}, {23, 19, r * 0.7}, {16, 11, r * 0.6}}, pal::Stone);
    }
}

void PaintPoofFull(Canvas& c, const assets::AssetInfo& info) {
    for (int f = 0; f < info.frames; ++f) {
        Canvas cell = c.Cell(f, info.cellWidth, info.cellHeight);
        double spread = 1.0 + f * 0.28, r = 13.0 - f * 2.0;
        std::vector<Blob> blobs;
        // Whole at first; later the ring of puffs drifts apart and shrinks.
        for (int i = 0; i < 6; ++i) {
            double a = i * 1.0472 + f * 0.2;
            blobs.push_back(
                {32 + std::cos(a) * 12 * spread, 34 + std::sin(a) * 10 * spread, r * (i % 2 ? 0.85 : 1.0)});
        }
        if (f < 3) blobs.push_back({32, 32, r + 3 - f});
        if (f < 2)
            Cloud(cell, blobs, pal::Stone);
        else
            for (const Blob& b : blobs) Cloud(cell, {b}, pal::Stone);
        // Where the puffs close a ring, the smoke between them is thin, not gone.
        FillEnclosed(cell, pal::Steel);
    }
}

}  // namespace art
