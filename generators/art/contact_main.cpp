// snatchkin-contact PICTURES OUTDIR: a contact sheet of every picture of the
// asset table found under PICTURES (e.g. build/generated/files), written as
// OUTDIR/<name>.png.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "generators/art/contact.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: snatchkin-contact PICTURES OUTDIR\n");
        return 2;
    }
    namespace fs = std::filesystem;
    fs::create_directories(argv[2]);
    int written = 0;
    for (const assets::AssetInfo& info : assets::AssetTable()) {
        if (info.kind == assets::Kind::Sound) continue;
        fs::path in = fs::path(argv[1]) / assets::FilePathOf(info.name);
        std::ifstream file(in, std::ios::binary);
        if (!file) continue;
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                        std::istreambuf_iterator<char>());
        platform::Pixels picture;
        if (!platform::DecodePng(bytes, picture)) {
            std::fprintf(stderr, "snatchkin-contact: %s is not a readable PNG\n", in.c_str());
            return 1;
        }
        fs::path out = fs::path(argv[2]) / in.filename();
        if (!platform::WritePngRgb(art::ContactSheet(picture, info), out.string())) {
            std::fprintf(stderr, "snatchkin-contact: cannot write %s\n", out.c_str());
            return 1;
        }
        ++written;
    }
    std::printf("snatchkin-contact: %d sheets in %s\n", written, argv[2]);
    return 0;
}
