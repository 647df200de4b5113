// The back wall is brick with timber posts, brighter round the lamps and
// darker towards the world's ends and under each floor, so the storeys
// read as separate rooms. Floors are painted exactly over the ground mask's
// solid rows: the lit edge is where feet go.
#include "generators/level/scenery_wall.h"

#include <cstdlib>

#include "assets/palette.h"
#include "generators/level/mask_colours.h"
#include "generators/level/scenery_brushes.h"
#include "generators/level/table_geometry.h"

namespace assets::level {

namespace {

using namespace assets::palette;
using platform::Pixels;

// Light on the wall, 0-16: a little everywhere, pools round the lamps, and
// a falloff towards the left and right ends.
int LightAt(int x, int y) {
    int light = 5;
    for (int l = 1; l <= 5; ++l) {
        Point lamp = LampAt(l);
        int dx = x - (lamp.x + 16), dy = y - (lamp.y + 8);
        int dist = std::abs(dx) + std::abs(dy) * 3 / 2;
        light += std::max(0, 11 - dist / 14);
    }
    int edge = std::min(x, WorldWidth - 1 - x);
    if (edge < 240) light -= (240 - edge) / 60;
    return std::clamp(light, 0, 16);
}

// Four brick tones, deepest first; a light level picks a dithered blend.
std::uint32_t Tone(int x, int y, int light, const std::uint32_t (&ramp)[4]) {
    int v = std::clamp(light, 0, 16) * 3;
    int i = std::min(v / 16, 2);
    return Mix(x, y, v - 16 * i, ramp[i], ramp[i + 1]);
}

void Bricks(Pixels& p) {
    static constexpr std::uint32_t brick[4] = {BrickDeep, BrickDark, Brick, BrickLight};
    static constexpr std::uint32_t mortar[4] = {Ink, Ink, BrickDeep, BrickDark};
    for (int y = HudRows; y < WorldHeight; ++y)
        for (int x = 0; x < WorldWidth; ++x) {
            int row = y / 8, shift = (row % 2) * 8, col = (x + shift) / 16;
            int light = LightAt(x, y) + (row * 7 + col * 13) % 5 - 2;
            if (y % 8 == 0 || (x + shift) % 16 == 0)
                p.At(x, y) = Tone(x, y, light, mortar);
            else
                p.At(x, y) = Tone(x, y, light + (y % 8 == 1 ? 3 : 0), brick);
        }
}

// Timber posts in the wall, every 256 columns, lit from the left.
void Posts(Pixels& p) {
    for (int x0 = 120; x0 < WorldWidth; x0 += 256)
        for (int y = HudRows; y < WorldHeight; ++y) {
            int light = LightAt(x0, y);
            Fill(p, x0, y, 16, 1, Mix(x0, y, light / 2, WoodDeep, WoodDark));
            Dot(p, x0, y, Mix(x0, y, light, WoodDark, Wood));
            Dot(p, x0 + 1, y, Mix(x0 + 1, y, light / 2, WoodDark, Wood));
            Fill(p, x0 + 16, y, 2, 1, Ink);
            if (y % 96 == 40) Fill(p, x0 + 5, y, 6, 2, Iron);  // bolts through the post
        }
}

// Knee braces from a post up to the floor it carries.
void Braces(Pixels& p, const Floor& f) {
    for (int x0 = 120; x0 < WorldWidth; x0 += 256) {
        if (x0 - 18 < f.surface.front().x || x0 + 34 > f.surface.back().x) continue;
        for (int i = 0; i < 16; ++i)
            for (int side = 0; side < 2; ++side) {
                int x = side ? x0 + 16 + i : x0 - 1 - i, y = SurfaceAt(f, x) + f.depth + 15 - i;
                Dot(p, x, y, Wood);
                Fill(p, x, y + 1, 1, 2, WoodDark);
                Dot(p, x, y + 3, WoodDeep);
            }
    }
}

// Each floor casts a soft shadow down the wall below it.
void UnderShadow(Pixels& p, const Floor& f) {
    for (int x = f.surface.front().x; x <= f.surface.back().x; ++x) {
        int below = SurfaceAt(f, x) + f.depth;
        for (int d = 0; d < 8; ++d) Shade(p, x, below + d, 1, 1, 15 - 2 * d, Ink);
    }
}

// The wall darkens a little where it meets the floor in front of it.
void WallFoot(Pixels& p, const Floor& f) {
    for (int x = f.surface.front().x; x <= f.surface.back().x; ++x)
        for (int d = 1; d <= 4; ++d) Shade(p, x, SurfaceAt(f, x) - d, 1, 1, 10 - 2 * d, BrickDeep);
}

std::uint32_t Plank(int x, int y, int d, int depth, int seed) {
    if (d == 0) return Straw;  // the lit walking edge
    if (d == depth - 1) return WoodDark;
    if (d == 1) return WoodLight;
    if ((x + seed) % 48 == 0) return WoodDeep;  // plank joint
    if (d == depth - 2) return Mix(x, y, 8, Wood, WoodDark);
    bool grain = d % 2 == 0 && ((x + d * 29 + seed) / 5) % 6 == 0;  // short streaks along the plank
    return grain ? WoodDark : Wood;
}

// Where the ground mask opens the slab (a ladder's way through), the gap
// shows dark, so nothing looks solid that a present would fall through.
void FloorSlab(Pixels& p, const Floor& f, int seed, const Pixels& ground) {
    for (int x = f.surface.front().x; x <= f.surface.back().x; ++x) {
        int top = SurfaceAt(f, x);
        for (int d = 0; d < f.depth; ++d) {
            bool open = ground.At(x, top + d) == colours::Air;
            Dot(p, x, top + d,
                open ? Mix(x, top + d, 5, Ink, WoodDeep) : Plank(x, top + d, d, f.depth, seed));
        }
        bool nail = (x + seed) % 48 == 4 && f.depth > 4 && ground.At(x, top + 3) != colours::Air;
        if (nail) Dot(p, x, top + 3, Steel);
    }
}

}  // namespace

void PaintBackWall(Pixels& p, const Layout& maze) {
    Bricks(p);
    Posts(p);
    for (const Floor& f : maze.floors) {
        UnderShadow(p, f);
        Braces(p, f);
        WallFoot(p, f);
    }
}

void PaintFloors(Pixels& p, const Layout& maze, const Pixels& ground) {
    int seed = 0;
    for (const Floor& f : maze.floors) FloorSlab(p, f, seed += 17, ground);
}

}  // namespace assets::level
