// Reading the asset pack.
#include "assets/pack_format.h"

namespace assets {
namespace {

std::uint32_t ReadLe(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

}  // namespace

bool WalkPack(std::span<const std::uint8_t> pack,
              const std::function<void(std::string_view, std::span<const std::uint8_t>)>& visit) {
    if (pack.size() < 12 || std::string_view(reinterpret_cast<const char*>(pack.data()), 8) != kPackMagic)
        return false;
    std::uint32_t count = ReadLe(pack, 8, 4);
    std::size_t at = 12;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + 2 > pack.size()) return false;
        std::size_t nameLen = ReadLe(pack, at, 2);
        at += 2;
        if (at + nameLen + 4 > pack.size()) return false;
        std::string_view name(reinterpret_cast<const char*>(pack.data() + at), nameLen);
        at += nameLen;
        std::size_t size = ReadLe(pack, at, 4);
        at += 4;
        if (at + size > pack.size()) return false;
        visit(name, pack.subspan(at, size));
        at += size;
    }
    return at == pack.size();
}

}  // namespace assets
