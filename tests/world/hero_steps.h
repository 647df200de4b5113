// The hero's real walking and climbing steps, taken one at a time from a
// given position, as the maze tests use them. Lifts are assumed to wait at
// whichever of their stops the hero stands at.
#pragma once

#include <optional>

namespace mazetest {

struct Hero {
    int x, y;  // top-left of the 64 by 64 sprite
};

struct Limits {
    int right = 2000;        // HeroX must stay below it to step right
    bool wallStands = true;  // the breakable wall stops him on its floor
};

// Each answers the hero's new position, or nothing when the move is not
// possible or ends in a fall. He carries nothing and pushes nothing.
std::optional<Hero> WalkRight(Hero h, int speed, Limits limits = {});
std::optional<Hero> WalkLeft(Hero h, int speed, Limits limits = {});
std::optional<Hero> ClimbUp(Hero h, int speed);
std::optional<Hero> ClimbDown(Hero h, int speed);

// The lift whose cage, waiting at a stop, carries a hero standing here (index), if any.
std::optional<int> LiftUnder(Hero h);

}  // namespace mazetest
