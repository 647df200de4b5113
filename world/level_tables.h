// The maze's constant tables: ladders, item layouts, elf spawns, junctions,
// carts, lamps, lifts and the path finder's grid. Everything about the maze
// that is not painted in the masks lives here; loaders read each table front
// to back, record by record.
#pragma once

#include <array>
#include <span>

namespace world {

// A count (18), then x, y, w, h of each ladder rectangle.
inline constexpr int LadderCount = 18;
inline constexpr int LadderTableSize = 1 + 4 * LadderCount;
extern const std::array<int, LadderTableSize> LadderTable;

// A count (23), then x, y, whichtype of each item.
inline constexpr int ItemCount = 23;
inline constexpr int ItemLayoutSize = 1 + 3 * ItemCount;
extern const std::array<int, ItemLayoutSize> ItemLayout1;
extern const std::array<int, ItemLayoutSize> ItemLayout2;
extern const std::array<int, ItemLayoutSize> ItemLayout3;
extern const std::array<int, ItemLayoutSize> ItemLayout4;

// The wheelbarrow's start x for layouts 1 to 4; its start y is always BarrowStartY.
extern const std::array<int, 4> BarrowStartX;
inline constexpr int BarrowStartY = 32;

// x, y of each spawn point (an elf's top-left corner, on an elf path).
inline constexpr int ElfSpawnCount = 11;
inline constexpr int ElfSpawnTableSize = 2 * ElfSpawnCount;
extern const std::array<int, ElfSpawnTableSize> ElfSpawnTable;

// xpixel, ypixel, id, xfrom, yfrom of each junction; the order matters.
inline constexpr int JunctionCount = 61;
inline constexpr int JunctionTableSize = 5 * JunctionCount;
extern const std::array<int, JunctionTableSize> JunctionTable;

// left limit, right limit, floor y, start x, start speed of each cart.
inline constexpr int CartCount = 3;
inline constexpr int CartTableSize = 5 * CartCount;
extern const std::array<int, CartTableSize> CartTable;

// x, y of each lamp picture.
inline constexpr int LampCount = 5;
inline constexpr int LampTableSize = 2 * LampCount;
extern const std::array<int, LampTableSize> LampTable;

// Per lift: x, top y, bottom y, stop count s, then the s stop values, top first.
inline constexpr int LiftCount = 2;
inline constexpr int LiftTableSize = 4 + 4 + 4 + 6;
extern const std::array<int, LiftTableSize> LiftTable;

// 16 rows of 43 cells, row 0 first; 0 free, 1 blocked.
inline constexpr int PathGridWidth = 43;
inline constexpr int PathGridHeight = 16;
inline constexpr int PathGridSize = PathGridWidth * PathGridHeight;
extern const std::array<int, PathGridSize> PathGrid;

// The table of layout 1 to 4; empty for any other number.
std::span<const int> ItemLayoutTable(int layout);

}  // namespace world
