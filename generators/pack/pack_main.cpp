// snatchkin-pack GENDIR OUT: packs every generated asset, in table order, into
// the one file the executable embeds. Fails when a generator left a file out.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/asset_table.h"
#include "assets/pack_format.h"

namespace {

void PutLe(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: snatchkin-pack GENDIR OUT\n";
        return 2;
    }
    std::string pack(assets::kPackMagic);
    PutLe(pack, static_cast<std::uint32_t>(assets::AssetTable().size()), 4);
    for (const auto& a : assets::AssetTable()) {
        std::string path = std::string(argv[1]) + "/" + assets::FilePathOf(a.name);
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << "snatchkin-pack: missing " << path << "\n";
            return 1;
        }
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        PutLe(pack, static_cast<std::uint32_t>(a.name.size()), 2);
        pack += a.name;
        PutLe(pack, static_cast<std::uint32_t>(bytes.size()), 4);
        pack += bytes;
    }
    std::string tmp = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary);
        out << pack;
        if (!out) return 1;
    }
    return std::rename(tmp.c_str(), argv[2]) == 0 ? 0 : 1;
}
