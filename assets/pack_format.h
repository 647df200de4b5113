// The layout of the asset pack that is embedded in the executable:
// "SNKPAK1" and a zero byte, a little-endian u32 count, then per file a u16
// name length, the name, a u32 size and the bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace assets {

inline constexpr std::string_view kPackMagic{"SNKPAK1\0", 8};

// Calls visit for each file of the pack in order; false if the pack is malformed.
bool WalkPack(std::span<const std::uint8_t> pack,
              const std::function<void(std::string_view, std::span<const std::uint8_t>)>& visit);

}  // namespace assets
