// snatchkin-levelreview OUTDIR: for looking at the maze. Writes each half of
// the scenery with the walk and enemy masks laid over it, and the masks.
#include <cstdio>
#include <filesystem>
#include <string>

#include "generators/level/mask_colours.h"
#include "generators/level/mask_painter.h"
#include "generators/level/scenery_painter.h"

namespace {

using platform::Pixels;

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, int percent) {
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        int a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
        out |= static_cast<std::uint32_t>((a * (100 - percent) + b * percent) / 100) << shift;
    }
    return out;
}

Pixels Overlay(const Pixels& scenery, const assets::level::Masks& masks, int half) {
    namespace c = assets::level::colours;
    Pixels out{1024, 768, std::vector<std::uint32_t>(1024 * 768)};
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) {
            int wx = x + 1024 * half;
            std::uint32_t p = scenery.At(wx, y);
            std::uint32_t walk = masks.walk.At(wx, y), ground = masks.ground.At(wx, y);
            if (walk != c::Black && walk != c::White) p = Blend(p, walk, 45);
            if (ground == c::Opening || ground == c::LadderCrossing) p = Blend(p, ground, 70);
            std::uint32_t enemy = masks.enemy.At(wx, y);
            if (enemy != c::OffPath) p = enemy == c::Junction ? 0xFFFFFFFFu : 0xFF00FFFFu;
            out.At(x, y) = p;
        }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: snatchkin-levelreview OUTDIR\n");
        return 2;
    }
    std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    const auto& maze = assets::level::Maze();
    auto masks = assets::level::PaintMasks(maze);
    Pixels scenery = assets::level::PaintScenery(maze);
    bool ok = platform::WritePngRgb(Overlay(scenery, masks, 0), (out / "review_left.png").string()) &&
              platform::WritePngRgb(Overlay(scenery, masks, 1), (out / "review_right.png").string()) &&
              platform::WritePngRgb(scenery, (out / "level.png").string()) &&
              platform::WritePngRgb(masks.ground, (out / "levelground.png").string()) &&
              platform::WritePngRgb(masks.walk, (out / "levelwalk.png").string()) &&
              platform::WritePngRgb(masks.enemy, (out / "EnemyWalk3.png").string());
    if (!ok) std::fprintf(stderr, "snatchkin-levelreview: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
