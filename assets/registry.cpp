// The asset registry and its filling from the embedded pack.
#include "assets/registry.h"

#include <map>
#include <string>
#include <vector>

#include "assets/pack_format.h"

extern "C" const std::uint8_t snatchkin_pack_begin[];
extern "C" const std::uint8_t snatchkin_pack_end[];

namespace assets {
namespace {

struct Registry {
    std::map<std::string, Bytes, std::less<>> files;
    std::vector<std::string_view> order;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

void Register(std::string_view name, Bytes bytes) {
    auto& r = TheRegistry();
    auto [it, added] = r.files.insert_or_assign(std::string(name), bytes);
    if (added) r.order.push_back(it->first);
}

bool RegisterEmbeddedAssets() {
    std::span<const std::uint8_t> pack(snatchkin_pack_begin,
                                       static_cast<std::size_t>(snatchkin_pack_end - snatchkin_pack_begin));
    return WalkPack(pack, [](std::string_view name, Bytes bytes) { Register(name, bytes); });
}

std::optional<Bytes> Lookup(std::string_view name) {
    auto& files = TheRegistry().files;
    auto it = files.find(name);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

std::span<const std::string_view> RegisteredNames() { return TheRegistry().order; }

void ClearRegistry() {
    TheRegistry().files.clear();
    TheRegistry().order.clear();
}

}  // namespace assets
