// snatchkin-assets export DIR: writes every embedded asset under its registered
// name (DIR/gfx/level.png, DIR/snd/DeadSND.ogg, ...) for review or replacement.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "assets/asset_table.h"
#include "assets/registry.h"

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "export") {
        std::cerr << "usage: snatchkin-assets export DIR\n";
        return 2;
    }
    if (!assets::RegisterEmbeddedAssets()) {
        std::cerr << "snatchkin-assets: the embedded asset pack is damaged\n";
        return 1;
    }
    namespace fs = std::filesystem;
    for (std::string_view name : assets::RegisteredNames()) {
        fs::path path = fs::path(argv[2]) / assets::FilePathOf(name);
        std::error_code ec;
        fs::create_directories(path.parent_path(), ec);
        std::ofstream out(path, std::ios::binary);
        auto bytes = *assets::Lookup(name);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "snatchkin-assets: cannot write " << path << "\n";
            return 1;
        }
    }
    std::cout << assets::RegisteredNames().size() << " assets written to " << argv[2] << "\n";
    return 0;
}
