// PNG decoding to 0xAARRGGBB pixels and encoding of 8-bit RGB pictures.
// Used by the layer for pictures and masks, by frame capture and by the
// build-time generators.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Pixels row by row, each 0xAARRGGBB.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;

    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& At(int x, int y) { return argb[static_cast<std::size_t>(y) * width + x]; }
};

// False when the bytes are not a readable PNG.
bool DecodePng(std::span<const std::uint8_t> png, Pixels& out);

// 8-bit RGB without alpha (the alpha byte of each pixel is ignored).
// Same pixels give the same bytes.
bool EncodePngRgb(const Pixels& pixels, std::vector<std::uint8_t>& png);
bool WritePngRgb(const Pixels& pixels, const std::string& path);

}  // namespace platform
