// The masks, painted in layers: each later layer overrides the earlier ones
// where they meet (a ladder column over a floor band, a shaft over a slab).
#include "generators/level/mask_painter.h"

#include <algorithm>

#include "generators/level/mask_colours.h"
#include "generators/level/table_geometry.h"
#include "world/level_tables.h"

namespace assets::level {

namespace {

using platform::Pixels;

Pixels Blank(std::uint32_t colour) {
    return {WorldWidth, WorldHeight,
            std::vector<std::uint32_t>(std::size_t{WorldWidth} * WorldHeight, colour)};
}

void Fill(Pixels& p, int x, int y, int w, int h, std::uint32_t colour) {
    for (int yy = std::max(0, y); yy < std::min(WorldHeight, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(WorldWidth, x + w); ++xx) p.At(xx, yy) = colour;
}

bool InShaft(const Layout& maze, int x, int y) {
    return std::any_of(maze.shafts.begin(), maze.shafts.end(), [x, y](const Shaft& s) {
        return x >= s.x && x < s.x + ShaftWidth && y < s.pitBottom;
    });
}

int ColumnTop(const LadderSpan& span) {
    return std::min(LadderRect(span.ladder).y, span.floors.front() - LadderEndRows);
}

int ColumnBottom(const LadderSpan& span) {
    Rect r = LadderRect(span.ladder);
    return std::max(r.y + r.h, span.floors.back());
}

void PaintGround(const Layout& maze, Pixels& g) {
    using namespace colours;
    for (const Floor& f : maze.floors)
        for (int x = f.surface.front().x; x <= f.surface.back().x; ++x)
            Fill(g, x, SurfaceAt(f, x), 1, f.depth, Solid);
    for (const Rect& r : maze.rock) Fill(g, r.x, r.y, r.w, r.h, Solid);
    for (const Rect& r : maze.partitions) Fill(g, r.x, r.y, r.w, r.h, Solid);
    // A ladder passing through a floor leaves a hole that presents fall
    // through; the line on the hole's top row still carries a walking hero.
    for (const LadderSpan& span : maze.ladders) {
        Rect r = LadderRect(span.ladder);
        for (std::size_t i = 0; i + 1 < span.floors.size(); ++i) {
            int f = span.floors[i];
            for (int x = r.x; x < r.x + r.w; ++x) {
                if (g.At(x, f) != Solid) continue;
                for (int y = f; y < f + 8 && g.At(x, y) == Solid; ++y) g.At(x, y) = Air;
                g.At(x, f) = LadderCrossing;
            }
        }
    }
    for (const Shaft& s : maze.shafts) {
        Fill(g, s.x, 0, ShaftWidth, s.pitBottom, Air);
        Fill(g, s.x, s.pitBottom, ShaftWidth, 8, Solid);
    }
    for (const ShaftOpening& o : maze.openings)
        Fill(g, LiftFloors(o.lift).x, o.floor - 4, ShaftWidth, 7, Opening);
    g.At(0, 0) = Air;
    g.At(1, 1) = Red;
    g.At(2, 2) = Blue;
    g.At(3, 3) = Solid;
    g.At(4, 4) = Opening;
}

void PaintWalk(const Layout& maze, Pixels& w) {
    using namespace colours;
    for (const Floor& f : maze.floors) {
        if (!f.walkable) continue;
        for (int x = f.surface.front().x; x <= f.surface.back().x; ++x)
            if (!InShaft(maze, x, SurfaceAt(f, x))) Fill(w, x, SurfaceAt(f, x) - 6, 1, 6, WalkFloor);
    }
    // The hero stops with his body clear of a partition, as at the breakable wall.
    for (const Rect& r : maze.partitions)
        Fill(w, r.x - PartitionClearance, r.y, r.w + 2 * PartitionClearance, r.h, Black);
    for (const LadderSpan& span : maze.ladders) {
        Rect r = LadderRect(span.ladder);
        int x = r.x - LadderColumnMargin, width = r.w + 2 * LadderColumnMargin, top = ColumnTop(span);
        Fill(w, x, top, width, ColumnBottom(span) - top, Ladder);
        for (int f : span.floors)
            Fill(w, x, std::max(top, f - LadderEndRows), width, std::min(LadderEndRows, f - top), LadderEnd);
    }
    for (const Rect& d : maze.dropOffs) Fill(w, d.x, d.y, d.w, d.h, DropOff);
    for (const Handle& h : maze.handles) {
        Fill(w, h.x - 11, h.floor - 65, 22, 12, LightGrey);
        Fill(w, h.x - 10, h.floor - 64, 20, 10, GrabHandle);
    }
    w.At(1, 1) = WalkFloor;
    w.At(2, 2) = Ladder;
    w.At(3, 3) = LadderEnd;
    w.At(4, 4) = White;
    w.At(5, 5) = GrabHandle;
    w.At(6, 6) = DropOff;
}

void PaintEnemy(const Layout& maze, Pixels& e) {
    using namespace colours;
    for (const auto& line : maze.elfPaths) {
        if (line.front().x == line.back().x)
            Fill(e, line.front().x, line.front().y, 1, line.back().y - line.front().y + 1, ElfPath);
        else
            for (int x = line.front().x; x <= line.back().x; ++x) e.At(x, LineAt(line, x)) = ElfPath;
    }
    for (int j = 0; j < world::JunctionCount; ++j)
        e.At(world::JunctionTable[5 * j], world::JunctionTable[5 * j + 1]) = Junction;
    e.At(0, 0) = Junction;
    e.At(1, 1) = ElfPath;
    e.At(2, 2) = OffPath;
}

}  // namespace

Masks PaintMasks(const Layout& maze) {
    Masks m{Blank(colours::Air), Blank(colours::Black), Blank(colours::OffPath)};
    PaintGround(maze, m.ground);
    PaintWalk(maze, m.walk);
    PaintEnemy(maze, m.enemy);
    return m;
}

}  // namespace assets::level
