// The scenery: a brick workshop at night seen in cross-section. Floors are
// planked slabs exactly where the ground mask is solid, ladders stand exactly
// in their walk columns, the shafts are dark with steel guides, and the
// garlands and lights hang under the ceilings, clear of where anyone walks.
#include "generators/level/scenery_painter.h"

#include <algorithm>

#include "assets/palette.h"
#include "generators/level/mask_colours.h"
#include "generators/level/mask_painter.h"
#include "generators/level/scenery_brushes.h"
#include "generators/level/scenery_decor.h"
#include "generators/level/scenery_wall.h"
#include "generators/level/table_geometry.h"

namespace assets::level {

namespace {

using namespace assets::palette;
using platform::Pixels;

// Dressed stone, lit along its top edge and darkening with depth.
void Rock(Pixels& p, const Rect& r) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            int course = (y - r.y) / 16, shift = course % 2 * 16;
            bool joint = (y - r.y) % 16 == 0 || (x + shift) % 32 == 0;
            std::uint32_t face = Mix(x, y, 6 - (y - r.y) % 16 / 3, Stone, StoneLight);
            Dot(p, x, y, joint ? Ink : Mix(x, y, std::min(12, course * 5), face, Night));
        }
    Fill(p, r.x, r.y, r.w, 1, StoneLight);
}

// A rail, lit on its left, shaded on its right.
void LadderRail(Pixels& p, int x, int top, int h) {
    Fill(p, x, top, 1, h, Straw);
    Fill(p, x + 1, top, 2, h, WoodLight);
    Fill(p, x + 3, top, 1, h, WoodDark);
    Shade(p, x + 4, top, 2, h, 9, Ink);  // its shadow on the wall
}

void Ladder(Pixels& p, const LadderSpan& s) {
    Rect r = LadderRect(s.ladder);
    int top = std::min(r.y, s.floors.front() - LadderEndRows);
    int bottom = std::max(r.y + r.h, s.floors.back());
    for (int y = top; y < bottom; y += 12) {
        Fill(p, r.x + 4, y + 4, r.w - 8, 1, WoodLight);
        Fill(p, r.x + 4, y + 5, r.w - 8, 1, Wood);
        Fill(p, r.x + 4, y + 6, r.w - 8, 1, WoodDark);
        Shade(p, r.x + 4, y + 7, r.w - 8, 2, 8, Ink);
    }
    LadderRail(p, r.x, top, bottom - top);
    LadderRail(p, r.x + r.w - 4, top, bottom - top);
}

// The shaft is deep night, faintly lit from its middle, with steel guides
// and the lift's cables running down from the winding gear.
void ShaftWell(Pixels& p, const Shaft& s) {
    for (int y = HudRows; y < s.pitBottom; ++y)
        for (int x = s.x; x < s.x + ShaftWidth; ++x) {
            int fromEdge = std::min(x - s.x, s.x + ShaftWidth - 1 - x);
            p.At(x, y) = Mix(x, y, std::min(8, fromEdge / 3), Ink, NightDeep);
            if (fromEdge > 12) p.At(x, y) = Mix(x, y, 3, NightDeep, Night);
        }
    for (int y = HudRows; y < s.pitBottom; y += 24)
        Fill(p, s.x + 4, y, ShaftWidth - 8, 1, Iron);  // cross ties
    int h = s.pitBottom - HudRows;
    for (int side = 0; side < 2; ++side) {
        int x = side ? s.x + ShaftWidth - 4 : s.x;
        Fill(p, x, HudRows, 4, h, Iron);
        Fill(p, x + (side ? 2 : 1), HudRows, 1, h, SteelLight);
        Fill(p, x + (side ? 1 : 2), HudRows, 1, h, Steel);
    }
    Fill(p, s.x + 15, HudRows, 1, h, Iron);
    Fill(p, s.x + 32, HudRows, 1, h, Iron);
}

// The winding wheel the lift's rope runs over: a lit rim, spokes and a hub.
void Pulley(Pixels& p, int cx, int cy) {
    constexpr int r = 9;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            int d2 = dx * dx + dy * dy;
            if (d2 > r * r + 9) continue;
            if (d2 >= (r - 1) * (r - 1))
                Dot(p, cx + dx, cy + dy, dx + dy < 0 ? SteelLight : Steel);
            else if (d2 <= 4)
                Dot(p, cx + dx, cy + dy, d2 == 0 ? Ink : SteelLight);
            else if (dx == 0 || dy == 0 || dx == dy || dx == -dy)
                Dot(p, cx + dx, cy + dy, Iron);
        }
}

void ShaftPicture(Pixels& p, const Shaft& s, const Layout& maze, int lift) {
    ShaftWell(p, s);
    Rock(p, {s.x, s.pitBottom, ShaftWidth, 8});
    // The winding gear above the top stop: a head beam on brackets and the wheel.
    Pulley(p, s.x + 24, HudRows + 11);
    Fill(p, s.x - 4, HudRows, ShaftWidth + 8, 3, Iron);
    Fill(p, s.x - 4, HudRows, ShaftWidth + 8, 1, Steel);
    Fill(p, s.x + 22, HudRows + 3, 4, 6, Iron);  // the wheel's hanger
    Fill(p, s.x + 22, HudRows + 3, 1, 6, Steel);
    // Each opening gets a striped threshold beside the shaft.
    for (const ShaftOpening& o : maze.openings) {
        if (o.lift != lift) continue;
        for (int side = 0; side < 2; ++side) {
            if (!(side ? o.right : o.left)) continue;
            int x = side ? s.x + ShaftWidth : s.x - 6;
            for (int k = 0; k < 6; ++k) Fill(p, x + k, o.floor, 1, 3, (k / 2) % 2 ? Ink : Gold);
        }
    }
}

// A ladder that ends over a drop-off: the stiles snapped off in jagged
// points and the last rung hanging from one side.
void BrokenLadderEnd(Pixels& p, const Rect& r) {
    int end = r.y + r.h;
    for (int x : {r.x, r.x + r.w - 4}) {
        Fill(p, x, end - 3, 4, 3, Ink);  // the break shows the dark wood inside
        Fill(p, x, end - 3, 1, 5, Straw);
        Fill(p, x + 1, end - 3, 1, 3, WoodLight);
        Fill(p, x + 2, end - 3, 1, 6, WoodLight);
        Fill(p, x + 3, end - 3, 1, 2, WoodDark);
    }
    for (int i = 0; i < 12; ++i) {
        Fill(p, r.x + 4 + i, end - 8 + i / 2, 1, 2, Wood);
        Dot(p, r.x + 4 + i, end - 8 + i / 2, WoodLight);
        Dot(p, r.x + 4 + i, end - 6 + i / 2, WoodDeep);
    }
}

// A buffer stop: a striped post, lit on its left.
void BufferStop(Pixels& p, int x, int floor) {
    for (int y = floor - 12; y < floor; ++y) Fill(p, x, y, 4, 1, (y / 3) % 2 ? Red : Snow);
    Fill(p, x + 3, floor - 12, 1, 12, RedDark);
}

void Rails(Pixels& p, const CartTrack& t) {
    for (int x = t.left + 2; x + 10 <= t.right; x += 16) {  // sleepers, lit on top
        Fill(p, x, t.floor - 2, 10, 1, WoodLight);
        Fill(p, x, t.floor - 1, 10, 1, Wood);
        Fill(p, x + 9, t.floor - 2, 1, 2, WoodDeep);
    }
    Fill(p, t.left, t.floor - 5, t.right - t.left + 1, 1, SteelLight);
    Fill(p, t.left, t.floor - 4, t.right - t.left + 1, 1, Steel);
    Fill(p, t.left, t.floor - 3, t.right - t.left + 1, 1, Iron);
    BufferStop(p, t.left - 4, t.floor);
    BufferStop(p, t.right + 1, t.floor);
}

// A chain from the underside of the floor above down to the handle's hook.
void Chain(Pixels& p, int x, int top, int bottom) {
    for (int y = top; y < bottom; ++y) {
        if ((y - bottom) % 4 == 0) {
            Dot(p, x, y, Steel);  // a link seen edge on
            continue;
        }
        Dot(p, x - 1, y, SteelLight);  // a link seen face on, lit on its left
        Dot(p, x + 1, y, Iron);
        Dot(p, x + 2, y, Ink);
    }
}

void GrabHandle(Pixels& p, const Handle& h, const Pixels& ground) {
    int ceiling = h.floor - 65;
    while (ceiling > HudRows && ground.At(h.x, ceiling) != colours::Solid) --ceiling;
    Chain(p, h.x, ceiling + 1, h.floor - 66);
    Fill(p, h.x - 1, h.floor - 66, 3, 2, Iron);  // the hook
    Fill(p, h.x - 10, h.floor - 64, 20, 3, GreenLight);
    Fill(p, h.x - 10, h.floor - 61, 20, 1, GreenDark);
    Fill(p, h.x - 10, h.floor - 64, 2, 8, GreenLight);
    Fill(p, h.x + 8, h.floor - 64, 2, 8, GreenLight);
}

// Where a wall lantern hangs: soot from its flame on the wall above it and
// the iron plate its arm is bolted to (the lantern picture brings the arm).
void LampMount(Pixels& p, Point lamp) {
    for (int d = 0; d < 18; ++d)
        Shade(p, lamp.x + 13 - d / 4, lamp.y + 2 - d, 9 + 2 * (d / 4), 1, 6 - d / 3, BrickDeep);
    Fill(p, lamp.x - 1, lamp.y - 2, 5, 12, Iron);
    Fill(p, lamp.x - 1, lamp.y - 2, 1, 12, Steel);
    Fill(p, lamp.x + 4, lamp.y - 2, 1, 12, Ink);
    Dot(p, lamp.x + 1, lamp.y - 1, SteelLight);  // bolts
    Dot(p, lamp.x + 1, lamp.y + 8, SteelLight);
}

// The breakable wall's opening: a stone arch with a dark way through.
void WallGap(Pixels& p, const Rect& g) {
    Rock(p, {g.x - 4, g.y - 6, g.w + 8, g.h + 6});
    Fill(p, g.x - 4, g.y - 6, g.w + 8, 1, StoneLight);
    for (int y = g.y; y < g.y + g.h; ++y)
        for (int x = g.x; x < g.x + g.w; ++x) p.At(x, y) = Mix(x, y, 12 - (y - g.y) / 5, NightDeep, Ink);
}

}  // namespace

Pixels PaintScenery(const Layout& maze) {
    Pixels p{WorldWidth, WorldHeight,
             std::vector<std::uint32_t>(std::size_t{WorldWidth} * WorldHeight, NightDeep)};
    PaintBackWall(p, maze);
    Fill(p, 0, 0, WorldWidth, HudRows, NightDeep);
    Fill(p, 0, HudRows - 2, WorldWidth, 2, WoodDark);
    for (const Rect& w : maze.windows) Window(p, w);
    for (const Rect& s : maze.shelves) Shelf(p, s);
    for (const Point& t : maze.trees) Tree(p, t);
    for (const Floor& f : maze.floors)
        if (f.surface.back().x - f.surface.front().x > 100) Garland(p, f);
    for (const Rect& r : maze.rock) Rock(p, r);
    for (const Rect& r : maze.partitions) Rock(p, r);
    const Pixels ground = PaintMasks(maze).ground;
    PaintFloors(p, maze, ground);
    for (std::size_t s = 0; s < maze.shafts.size(); ++s)
        ShaftPicture(p, maze.shafts[s], maze, static_cast<int>(s) + 1);
    // After the shafts: where a cart crosses one, its rails bridge the gap.
    for (int c = 1; c <= 3; ++c) Rails(p, CartTrackOf(c));
    for (const LadderSpan& s : maze.ladders) Ladder(p, s);
    // A plank that nobody walks on is a shelf: it rests on two iron brackets.
    for (const Floor& f : maze.floors) {
        if (f.walkable) continue;
        for (int x : {f.surface.front().x + 4, f.surface.back().x - 5}) {
            int y = SurfaceAt(f, x) + f.depth;
            Fill(p, x, y, 2, 6, Iron);
            Fill(p, x, y, 1, 6, Steel);
        }
    }
    for (const LadderSpan& s : maze.ladders)
        for (const Rect& d : maze.dropOffs)
            if (LadderRect(s.ladder).y + LadderRect(s.ladder).h == d.y)
                BrokenLadderEnd(p, LadderRect(s.ladder));
    for (const Handle& h : maze.handles) GrabHandle(p, h, ground);
    for (int l = 1; l <= 5; ++l) LampMount(p, LampAt(l));
    WallGap(p, maze.wallGap);
    return p;
}

}  // namespace assets::level
