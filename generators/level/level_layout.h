// The maze's one description: where the floors, rock, ladders, shaft
// openings, handles, drop-offs, the wall and the decoration lie, in world
// pixels. The level tool paints both the masks and the scenery from it, so
// what the player sees is what the game reads. The ladder rectangles, the
// lifts, carts and lamps come from the level tables; this adds the rest.
#pragma once

#include <vector>

namespace assets::level {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// A floor's surface: a polyline, x rising, from the first point's x to the
// last one's. Its top solid row at column x is SurfaceAt(x); the slab below
// it is `depth` rows deep. Walkable floors get the hero's walking band.
struct Floor {
    std::vector<Point> surface;
    bool walkable = true;
    int depth = 8;
};

// Which floors a ladder reaches, top first; the last one is where it
// stands. The walk column runs from `top` to the row above `bottom`.
struct LadderSpan {
    int ladder = 0;  // 1-18, the ladder table's record
    std::vector<int> floors;
    int top = 0;
    int bottom = 0;
};

// A corridor floor that opens into a lift shaft, on the left, right or both sides.
struct ShaftOpening {
    int lift = 0;  // 1 or 2
    int floor = 0;
    bool left = false;
    bool right = false;
};

// A grab handle above a cart track: centred on column x, over the floor.
struct Handle {
    int x = 0;
    int floor = 0;
};

// A lift shaft: the lift table's x, 48 wide, open from the top down to the
// pit floor, whose solid ground starts at `pitBottom`.
struct Shaft {
    int x = 0;
    int pitBottom = 0;
};

struct Layout {
    std::vector<Floor> floors;
    std::vector<Rect> rock;
    std::vector<std::vector<Point>> elfPaths;  // one-pixel lines, flat or vertical
    std::vector<LadderSpan> ladders;
    std::vector<Shaft> shafts;
    std::vector<ShaftOpening> openings;
    std::vector<Handle> handles;
    std::vector<Rect> dropOffs;
    std::vector<Rect> partitions;  // walls from a ceiling down to a floor, solid rock
    Rect wallGap;                  // where the breakable wall stands
    std::vector<Rect> windows;     // decoration from here on
    std::vector<Point> trees;      // foot of a small Christmas tree
    std::vector<Rect> shelves;     // toy shelves on the back wall
};

inline constexpr int WorldWidth = 2048;
inline constexpr int WorldHeight = 768;
inline constexpr int ShaftWidth = 48;
inline constexpr int LadderColumnMargin = 6;   // the walk column is 48 wide around a 36-wide ladder
inline constexpr int LadderEndRows = 24;       // rows of ladder end above each floor it reaches
inline constexpr int HudRows = 28;             // the display line's strip at the top
inline constexpr int PartitionClearance = 16;  // columns of floor left unwalkable beside a partition

const Layout& Maze();

// The surface row of the floor at column x (the floor must span x).
int SurfaceAt(const Floor& floor, int x);

// y of a polyline at column x, rounded; the line must span x.
int LineAt(const std::vector<Point>& line, int x);

}  // namespace assets::level
