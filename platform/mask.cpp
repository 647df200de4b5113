// Terrain masks.
#include "platform/mask.h"

#include "assets/registry.h"

namespace platform {

Mask LoadMaskPixels(std::string_view assetName) {
    Mask mask;
    if (auto bytes = assets::Lookup(assetName)) DecodePng(*bytes, mask);
    return mask;
}

std::uint32_t ReadMaskPixel(const Mask& mask, int x, int y) {
    if (x < 0 || y < 0 || x >= mask.width || y >= mask.height) return 0xFF000000u;
    return mask.At(x, y);
}

}  // namespace platform
