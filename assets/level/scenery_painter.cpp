// First pass of the scenery: back wall, floors, ladders and shafts.
#include "assets/level/scenery_painter.h"

#include <algorithm>

#include "assets/level/table_geometry.h"
#include "assets/palette.h"

namespace assets::level {

namespace {

using namespace assets::palette;
using platform::Pixels;

void Fill(Pixels& p, int x, int y, int w, int h, std::uint32_t c) {
    for (int yy = std::max(0, y); yy < std::min(p.height, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(p.width, x + w); ++xx) p.At(xx, yy) = c;
}

}  // namespace

Pixels PaintScenery(const Layout& maze) {
    Pixels p{WorldWidth, WorldHeight, std::vector<std::uint32_t>(std::size_t{WorldWidth} * WorldHeight, Brick)};
    Fill(p, 0, 0, WorldWidth, HudRows, NightDeep);
    for (const Floor& f : maze.floors)
        for (int x = f.surface.front().x; x <= f.surface.back().x; ++x) Fill(p, x, SurfaceAt(f, x), 1, f.depth, Wood);
    for (const Rect& r : maze.rock) Fill(p, r.x, r.y, r.w, r.h, Stone);
    for (const LadderSpan& s : maze.ladders) {
        Rect r = LadderRect(s.ladder);
        Fill(p, r.x, r.y, r.w, r.h, WoodLight);
    }
    for (const Shaft& s : maze.shafts) Fill(p, s.x, HudRows, ShaftWidth, s.pitBottom - HudRows, Night);
    return p;
}

}  // namespace assets::level
