// The colours the level tool paints into the three masks. The game does not
// know them: it reads its keys from the legend painted in each mask's corner.
#pragma once

#include <cstdint>

namespace assets::level::colours {

inline constexpr std::uint32_t Black = 0xFF000000u;
inline constexpr std::uint32_t White = 0xFFFFFFFFu;
inline constexpr std::uint32_t Red = 0xFFFF0000u;
inline constexpr std::uint32_t Blue = 0xFF4040FFu;
inline constexpr std::uint32_t Magenta = 0xFFFF00FFu;
inline constexpr std::uint32_t Green = 0xFF00FF00u;
inline constexpr std::uint32_t Yellow = 0xFFFFFF00u;
inline constexpr std::uint32_t Grey = 0xFF808080u;       // ground: ladder crossing, no key
inline constexpr std::uint32_t LightGrey = 0xFFC0C0C0u;  // walk: frame beside a handle, no key

// Ground mask.
inline constexpr std::uint32_t Air = Black;
inline constexpr std::uint32_t Solid = White;
inline constexpr std::uint32_t Opening = Yellow;
inline constexpr std::uint32_t LadderCrossing = Grey;
// Walk mask.
inline constexpr std::uint32_t WalkFloor = Red;
inline constexpr std::uint32_t Ladder = Blue;
inline constexpr std::uint32_t LadderEnd = Magenta;
inline constexpr std::uint32_t GrabHandle = Green;
inline constexpr std::uint32_t DropOff = Yellow;
// Enemy mask.
inline constexpr std::uint32_t Junction = Red;
inline constexpr std::uint32_t ElfPath = Yellow;
inline constexpr std::uint32_t OffPath = Black;

}  // namespace assets::level::colours
