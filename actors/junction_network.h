// The elves' junction network: which way an elf goes next when it stands on a
// junction pixel, planned on the path grid by the path finder.
#pragma once

#include <string>
#include <vector>

namespace actors {

// The path finder's map: the path grid table as reals, cell [x, y] at
// x * 16 + y. Built once at start-up; the path finder reads it in place.
extern std::vector<float> PathMap;

// The direction of the latest decision that found a route, shared by all
// elves; empty until the first one. What a decision without a route answers.
extern std::string lastJunctionDirection;

// The whole route of that decision, one direction per grid step from the
// junction's cell to the destination's; copied into the elves' `dims`.
extern std::string lastJunctionRoute;

// Start-up: builds the 43 by 16 path map from the path grid table and hands
// it to the path finder.
void LoadPathGrid();

// The direction ("<", ">", "^" or "|") an elf standing at (x, y) takes next:
// the first step of the route towards a junction drawn at random among those
// in another pixel column and another pixel row. Without a route, or when no
// junction lies at (x, y), the answer is lastJunctionDirection.
std::string ChooseJunctionDirection(int x, int y);

}  // namespace actors
