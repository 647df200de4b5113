// Terrain masks: embedded pictures kept in memory for pixel reads, never drawn.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/png_codec.h"

namespace platform {

using Mask = Pixels;

// Decodes the registered picture; an empty mask when the name is unknown.
Mask LoadMaskPixels(std::string_view assetName);

// The pixel as 0xAARRGGBB. A point outside the picture reads as opaque black,
// which matches no key in a shipped mask: the hero's probes can reach past
// the right edge of the world.
std::uint32_t ReadMaskPixel(const Mask& mask, int x, int y);

}  // namespace platform
