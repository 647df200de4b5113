// snatchkin-levelgen OUTDIR: renders the maze's scenery and its three masks
// into OUTDIR/gfx/ under their registered names.
#include <cstdio>
#include <filesystem>
#include <string>

#include "assets/asset_table.h"
#include "generators/level/mask_painter.h"
#include "generators/level/scenery_painter.h"

namespace {

bool Write(const std::filesystem::path& outDir, const char* name, const platform::Pixels& pixels) {
    std::filesystem::path path = outDir / assets::FilePathOf(name);
    std::filesystem::create_directories(path.parent_path());
    if (platform::WritePngRgb(pixels, path.string())) return true;
    std::fprintf(stderr, "snatchkin-levelgen: cannot write %s\n", path.string().c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: snatchkin-levelgen OUTDIR\n");
        return 2;
    }
    const auto& maze = assets::level::Maze();
    assets::level::Masks masks = assets::level::PaintMasks(maze);
    std::filesystem::path out = argv[1];
    bool ok = Write(out, "gfx\\level.png", assets::level::PaintScenery(maze)) &&
              Write(out, "gfx\\levelground.png", masks.ground) &&
              Write(out, "gfx\\levelwalk.png", masks.walk) && Write(out, "gfx\\EnemyWalk3.png", masks.enemy);
    return ok ? 0 : 1;
}
