// The one palette every generated picture is painted from, so that the
// sprites, the maze scenery and the menus read as one game. Colours are
// 0xAARRGGBB. Pure black (0xFF000000) is the transparent colour and never
// appears inside a sprite: outlines and shadows use Ink.
#pragma once

#include <cstdint>

namespace assets::palette {

inline constexpr std::uint32_t Transparent = 0xFF000000u;
inline constexpr std::uint32_t Ink = 0xFF0C0A14u;  // outlines, deepest shadow

// Night and the workshop's stone.
inline constexpr std::uint32_t NightDeep = 0xFF0B1026u;
inline constexpr std::uint32_t Night = 0xFF16204Au;
inline constexpr std::uint32_t NightLight = 0xFF25356Eu;
inline constexpr std::uint32_t Stone = 0xFF3A4466u;
inline constexpr std::uint32_t StoneLight = 0xFF5A6688u;

// Brick and timber.
inline constexpr std::uint32_t BrickDeep = 0xFF2C1218u;  // brick in the dark corners
inline constexpr std::uint32_t BrickDark = 0xFF4A1C1Cu;
inline constexpr std::uint32_t Brick = 0xFF7A2E26u;
inline constexpr std::uint32_t BrickLight = 0xFFA44A36u;
inline constexpr std::uint32_t WoodDeep = 0xFF24140Cu;  // joints and timber in shadow
inline constexpr std::uint32_t WoodDark = 0xFF3E2414u;
inline constexpr std::uint32_t Wood = 0xFF6B4226u;
inline constexpr std::uint32_t WoodLight = 0xFF9C6A3Eu;
inline constexpr std::uint32_t Straw = 0xFFD8A860u;
inline constexpr std::uint32_t Parchment = 0xFFF6E0B4u;  // the font's lit face: bright so tints read

// Christmas colours.
inline constexpr std::uint32_t RedDark = 0xFF7C1022u;
inline constexpr std::uint32_t Red = 0xFFC42A32u;
inline constexpr std::uint32_t RedLight = 0xFFF05A4Eu;
inline constexpr std::uint32_t GreenDark = 0xFF0E4426u;
inline constexpr std::uint32_t Green = 0xFF1E7A3Cu;
inline constexpr std::uint32_t GreenLight = 0xFF4CB45Au;
inline constexpr std::uint32_t GoldDark = 0xFF9A6A10u;
inline constexpr std::uint32_t Gold = 0xFFE8B830u;
inline constexpr std::uint32_t GoldLight = 0xFFFFE680u;

// Snow, skin, metal and light.
inline constexpr std::uint32_t SnowShadow = 0xFF9EB4D8u;
inline constexpr std::uint32_t Snow = 0xFFE4EEFAu;
inline constexpr std::uint32_t White = 0xFFFFFFFFu;
inline constexpr std::uint32_t SkinDark = 0xFFB4745Au;
inline constexpr std::uint32_t Skin = 0xFFF0B088u;
inline constexpr std::uint32_t Iron = 0xFF50545Eu;
inline constexpr std::uint32_t Steel = 0xFF8C94A4u;
inline constexpr std::uint32_t SteelLight = 0xFFC4CCD8u;
inline constexpr std::uint32_t Lamp = 0xFFFFD070u;
inline constexpr std::uint32_t Purple = 0xFF5A2A7Au;

// Named by the pictures: the pink small present, the blue question mark,
// the magenta filler frames and the dimming checker.
inline constexpr std::uint32_t PinkDark = 0xFF9C2A6Au;
inline constexpr std::uint32_t Pink = 0xFFE0589Au;
inline constexpr std::uint32_t PinkLight = 0xFFFF9CC8u;
inline constexpr std::uint32_t Blue = 0xFF3A68D0u;
inline constexpr std::uint32_t BlueLight = 0xFF74A6F4u;
inline constexpr std::uint32_t Magenta = 0xFFFF00FFu;
inline constexpr std::uint32_t CheckerGrey = 0xFF404040u;

}  // namespace assets::palette
