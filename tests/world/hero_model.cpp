// The hero's probes: one pixel of the walk mask at the front foot decides a
// step, the ground below the front foot re-seats him, the walk mask at the
// feet decides a climb.
#include "tests/world/hero_model.h"

#include "tests/world/maze_fixture.h"
#include "world/terrain.h"
#include "world/terrain_state.h"

namespace mazetest {

namespace {

// HeroOverLift with the lift at the stop level with his feet.
bool OverLift(Hero h, Rect probe) {
    static const std::vector<Lift> lifts = Lifts();
    for (const Lift& lift : lifts)
        for (int ypos : lift.ypos)
            if (RectsOverlap(probe, {lift.x, ypos, 48, 68}) && h.y + 64 == ypos + 62) return true;
    return false;
}

void CentreOnLadder(Hero& h) {
    for (int i = 0; i < 18; ++i) {
        Rect r = Ladder(i);
        if (h.x + 31 == r.x + 18 || !RectsOverlap({h.x + 31, h.y + 63, 1, 1}, r)) continue;
        if (h.x + 31 < r.x + 18) ++h.x;
        if (h.x + 31 > r.x + 18) --h.x;
    }
}

// column: the probe column; probe: the lift test's box.
std::optional<Hero> Walk(Hero h, int column, Rect probe, int dx, bool wallStands) {
    auto w = world::WalkPixel(column, h.y + 60);
    auto g = world::GroundPixel(column, h.y + 63);
    if (w != world::walkKey1 && w != world::walkKey3 && g != world::groundKey4) return std::nullopt;
    bool onLift = OverLift(h, probe);
    if (g == world::groundKey4 && !onLift) return std::nullopt;  // into an open shaft
    if (!onLift && w == world::walkKey1) h.y = world::FloorRowBelow(column, h.y + 45) - 64;
    h.x += dx;
    if (wallStands && h.x > 810 && h.x < 824 && h.y == 560) h.x = 823;
    return h;
}

}  // namespace

std::optional<Hero> WalkRight(Hero h, int speed, Limits limits) {
    if (h.x >= limits.right) return std::nullopt;
    return Walk(h, h.x + 32 + speed, {h.x + 31, h.y, 4, 64}, speed, limits.wallStands);
}

std::optional<Hero> WalkLeft(Hero h, int speed, Limits limits) {
    if (h.x <= 4) return std::nullopt;
    return Walk(h, h.x + 31 - speed, {h.x + 26, h.y, 8, 64}, -speed, limits.wallStands);
}

std::optional<Hero> ClimbUp(Hero h, int speed) {
    auto w = world::WalkPixel(h.x + 32, h.y + 63 - speed);
    if (w != world::walkKey2 && w != world::walkKey3) return std::nullopt;
    h.y -= speed;
    CentreOnLadder(h);
    return h;
}

std::optional<Hero> ClimbDown(Hero h, int speed) {
    auto w = world::WalkPixel(h.x + 32, h.y + 63 + speed);
    if (w != world::walkKey2 && w != world::walkKey3) return std::nullopt;  // a drop-off is a fall
    h.y += speed;
    CentreOnLadder(h);
    return h;
}

std::optional<int> LiftUnder(Hero h) {
    static const std::vector<Lift> lifts = Lifts();
    for (std::size_t l = 0; l < lifts.size(); ++l)
        for (int ypos : lifts[l].ypos) {
            bool right = RectsOverlap({h.x + 30, h.y, 4, 64}, {lifts[l].x, ypos, 48, 68});
            bool left = RectsOverlap({h.x + 26, h.y, 8, 64}, {lifts[l].x, ypos, 48, 68});
            if ((right || left) && h.y + 64 == ypos + 62) return static_cast<int>(l);
        }
    return std::nullopt;
}

}  // namespace mazetest
