// snatchkin-levelgen OUTDIR: renders the maze's scenery and its three masks
// into OUTDIR/gfx/ under their registered names.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "assets/asset_names.h"
#include "assets/asset_table.h"
#include "generators/level/mask_painter.h"
#include "generators/level/scenery_painter.h"

namespace {

bool Write(const std::filesystem::path& outDir, std::string_view name, const platform::Pixels& pixels) {
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
    bool ok = Write(out, assets::kLevelPicture, assets::level::PaintScenery(maze)) &&
              Write(out, assets::kGroundMask, masks.ground) && Write(out, assets::kWalkMask, masks.walk) &&
              Write(out, assets::kEnemyMask, masks.enemy);
    return ok ? 0 : 1;
}
