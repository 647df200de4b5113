// The maze, floor by floor. A floor under an elf path lies 64 rows below the
// path (the elf's feet), or 66 where presents rest two rows lower than the
// path would put the ground. Floors that meet a ladder from one side only
// stop at the ladder's walk column, so that two floors 44 rows apart can
// share a ladder without a hero standing inside the other one's planks.
#include "generators/level/level_layout.h"

namespace assets::level {

namespace {

Layout Build() {
    Layout m;
    m.floors = {
        // Left half.
        {{{0, 96}, {2047, 96}}},                             // the top floor, the whole width
        {{{190, 240}, {1095, 240}}},                         // minecart 2's track
        {{{190, 340}, {260, 340}, {404, 364}, {496, 364}}},  // the slope down to ladder 3
        {{{470, 312}, {507, 312}}, false, 4},                // a shelf over ladder 3's head
        {{{190, 504}, {200, 504}, {400, 480}, {545, 480}}},  // the slope up to the storeroom
        {{{0, 384}, {153, 384}}},
        {{{0, 576}, {153, 576}}},
        {{{190, 624}, {921, 624}}},  // the long floor through the storeroom and the wall
        {{{690, 336}, {1000, 336}}},
        {{{600, 456}, {1455, 456}}},  // across lift 1 to lift 2
        {{{958, 580}, {1005, 580}, {1168, 604}, {1185, 604}}},
        {{{0, 720}, {1343, 720}}},  // the cellar and minecart 1's track
        // Right half.
        {{{1144, 174}, {2047, 174}}},
        {{{1600, 264}, {2047, 264}}},
        {{{1144, 288}, {1340, 288}}},
        {{{1144, 360}, {1340, 360}}},
        {{{1504, 394}, {1508, 394}, {1520, 400}, {1530, 400}, {1690, 416}, {1713, 416}}},
        {{{1714, 480}, {2047, 480}}},
        {{{1504, 552}, {1830, 552}}},
        {{{1222, 648}, {2047, 648}}},  // minecart 3's track
    };
    m.rock = {
        {0, 720, 2048, 48},    // bedrock: everything that falls lands
        {1344, 656, 704, 64},  // under the right half's lowest floor
    };
    m.elfPaths = {
        {{7, 32}, {1973, 32}},
        {{144, 176}, {1031, 176}},
        {{1153, 110}, {1947, 110}},
        {{1634, 200}, {1947, 200}},
        {{144, 276}, {260, 276}, {404, 300}, {431, 300}},
        {{721, 270}, {939, 270}},
        {{1157, 296}, {1273, 296}},
        {{45, 318}, {144, 318}},
        {{144, 438}, {200, 438}, {400, 414}, {512, 414}},
        {{607, 392}, {1390, 392}},
        {{1517, 336}, {1530, 336}, {1690, 352}, {1705, 352}},
        {{1705, 416}, {1943, 416}},
        {{45, 510}, {144, 510}},
        {{144, 558}, {579, 558}},
        {{826, 560}, {912, 560}},
        {{912, 516}, {1005, 516}, {1168, 540}, {1177, 540}},
        {{1516, 488}, {1777, 488}},
        {{78, 656}, {1258, 656}},
        {{1177, 584}, {1943, 584}},
        // Ladders.
        {{144, 32}, {144, 656}},
        {{552, 32}, {552, 176}},
        {{841, 32}, {841, 176}},
        {{1873, 32}, {1873, 110}},
        {{721, 176}, {721, 270}},
        {{1273, 110}, {1273, 296}},
        {{1634, 110}, {1634, 200}},
        {{1947, 110}, {1947, 200}},
        {{45, 259}, {45, 510}},
        {{1873, 200}, {1873, 416}},
        {{431, 300}, {431, 414}},
        {{912, 392}, {912, 656}},
        {{1705, 352}, {1705, 416}},
        {{1705, 488}, {1705, 584}},
        {{1777, 416}, {1777, 488}},
        {{1943, 416}, {1943, 584}},
        {{1177, 540}, {1177, 656}},
    };
    m.ladders = {
        {1, {384, 576}},
        {2, {96, 240, 340, 384, 504, 576, 624, 720}},
        {3, {364, 480}},
        {4, {96, 240}},  // broken below the cart track: climbing on down drops into the storeroom
        {5, {240, 336}},
        {6, {96, 240}},
        {7, {456, 580, 624, 720}},
        {8, {174, 288}},
        {9, {604, 648, 720}},
        {10, {174, 288, 360}},
        {11, {174, 264}},
        {12, {416, 480}},
        {13, {552, 648}},
        {14, {480, 552}},
        {15, {96, 174}},
        {16, {264, 480}},
        {17, {174, 264}},
        {18, {480, 648}},
    };
    m.shafts = {{1096, 520}, {1456, 712}};
    m.openings = {
        {1, 96, true, true},   {1, 240, true, false}, {1, 360, false, true}, {1, 456, true, true},
        {2, 96, true, true},   {2, 174, true, true},  {2, 394, false, true}, {2, 456, true, false},
        {2, 552, false, true}, {2, 648, true, true},
    };
    m.handles = {
        {420, 720},  {700, 720},  {1060, 720},  // over minecart 1
        {320, 240},  {660, 240},  {990, 240},   // over minecart 2
        {1330, 648}, {1600, 648}, {1860, 648},  // over minecart 3
    };
    m.dropOffs = {{556, 264, 48, 16}};
    // The storeroom behind the breakable wall is closed on its left, so the
    // wall is the only way in.
    m.partitions = {{668, 464, 24, 160}};
    m.wallGap = {808, 570, 32, 54};
    m.windows = {
        {250, 36, 56, 44},  {680, 36, 56, 44},  {930, 36, 56, 44},   {1300, 36, 56, 44},
        {1700, 36, 56, 44}, {380, 120, 60, 80}, {1034, 112, 48, 90}, {1560, 200, 44, 56},
    };
    m.trees = {{300, 624}, {1240, 174}, {2022, 480}, {760, 456}};
    m.shelves = {{100, 480, 50, 10},
                 {1380, 500, 60, 10},
                 {1900, 300, 100, 10},
                 {706, 548, 84, 10}};  // the last one in the storeroom
    return m;
}

}  // namespace

const Layout& Maze() {
    static const Layout maze = Build();
    return maze;
}

int LineAt(const std::vector<Point>& line, int x) {
    for (std::size_t i = 1; i < line.size(); ++i) {
        const Point& a = line[i - 1];
        const Point& b = line[i];
        if (x > b.x) continue;
        if (b.x == a.x) return a.y;
        // Round half away from the segment's start so a rise of one row per
        // column never skips a row.
        int num = (b.y - a.y) * (x - a.x);
        int den = b.x - a.x;
        return a.y + (num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den)));
    }
    return line.back().y;
}

int SurfaceAt(const Floor& floor, int x) { return LineAt(floor.surface, x); }

}  // namespace assets::level
