// Painting and writing the art set.
#include "generators/art/artgen.h"

#include <filesystem>
#include <stdexcept>

#include "assets/asset_table.h"
#include "generators/art/sheets.h"

namespace art {

std::vector<Picture> PaintArtSet() {
    std::vector<Picture> set;
    for (const assets::AssetInfo& info : assets::AssetTable()) {
        if (info.source != assets::Source::Art) continue;
        Painter paint = PainterOf(info.name);
        if (!paint) throw std::logic_error("no painter for " + std::string(info.name));
        Picture p{info.name, BlankPicture(info.width, info.height)};
        Canvas canvas(p.pixels);
        paint(canvas, info);
        set.push_back(std::move(p));
    }
    return set;
}

bool WriteArtSet(const std::string& outDir) {
    bool ok = true;
    for (const Picture& p : PaintArtSet()) {
        std::filesystem::path path = std::filesystem::path(outDir) / assets::FilePathOf(p.name);
        std::filesystem::create_directories(path.parent_path());
        ok = platform::WritePngRgb(p.pixels, path.string()) && ok;
    }
    return ok;
}

}  // namespace art
