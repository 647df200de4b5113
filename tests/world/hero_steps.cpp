// The maze tests' hero is the game's own: each move puts the hero's state at
// the position and runs the real step of his update on the loaded masks,
// ladders and lifts.
#include "tests/world/hero_steps.h"

#include "actors/hero_moves.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "services/settings_values.h"
#include "tests/world/maze_fixture.h"
#include "world/ladders.h"
#include "world/lifts.h"

namespace mazetest {

namespace {

// Empty-handed, standing, the lifts waiting at his level if they stop there.
void PlaceHero(Hero h, int speed, Limits limits) {
    if (world::LadderList.empty()) {  // the level's ladders and lifts, built once
        world::LoadLadders();
        world::LoadLifts();
    }
    actors::HeroX = h.x;
    actors::HeroY = h.y;
    actors::HeroSpeed = speed;
    actors::HeroMoving = 0;
    actors::Falling = 0;
    actors::Hanging = 0;
    actors::RidingLift = 0;
    actors::Carried = 0;
    actors::PushingBarrow = 0;
    actors::Chopping = 0;
    actors::WallStrength = limits.wallStands ? 5 : 0;
    services::SoundOn = 0;  // footsteps need no sound system
    for (world::lifts& lift : world::LiftList)
        for (int k = 1; k <= lift.stops; ++k)
            if (lift.Ystops[k] + 62 == h.y + 64) lift.ypos = lift.Ystops[k];
}

std::optional<Hero> Moved() {
    if (actors::HeroMoving == 0 || actors::Falling != 0) return std::nullopt;
    return Hero{actors::HeroX, actors::HeroY};
}

}  // namespace

std::optional<Hero> WalkRight(Hero h, int speed, Limits limits) {
    PlaceHero(h, speed, limits);
    actors::WalkRight(true, limits.right);
    actors::StopAtWall(false);
    return Moved();
}

std::optional<Hero> WalkLeft(Hero h, int speed, Limits limits) {
    PlaceHero(h, speed, limits);
    actors::WalkLeft(true);
    actors::StopAtWall(false);
    return Moved();
}

std::optional<Hero> ClimbUp(Hero h, int speed) {
    PlaceHero(h, speed, {});
    actors::ClimbUp(true);
    return Moved();
}

std::optional<Hero> ClimbDown(Hero h, int speed) {
    PlaceHero(h, speed, {});
    actors::ClimbDown(true);
    return Moved();
}

// The lift's side of riding: a cage moving off takes on a hero whose feet are
// on its floor and whose strip, facing either way, touches it.
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
