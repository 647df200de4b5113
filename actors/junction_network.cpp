// The junction decisions and the path map they are planned on.
#include "actors/junction_network.h"

#include <algorithm>

#include "actors/pathfinder/pathfinder.h"
#include "platform/dump_format.h"
#include "platform/random.h"
#include "world/junctions.h"
#include "world/level_tables.h"

namespace actors {

std::vector<float> PathMap;
std::string lastJunctionDirection;
std::string lastJunctionRoute;

void LoadPathGrid() {
    PathMap.assign(world::PathGridSize, 0.0f);
    for (int y = 0; y < world::PathGridHeight; ++y)
        for (int x = 0; x < world::PathGridWidth; ++x)
            PathMap[x * world::PathGridHeight + y] =
                static_cast<float>(world::PathGrid[y * world::PathGridWidth + x]);
    TPathfinder::SetMap(PathMap, world::PathGridWidth, world::PathGridHeight);
    TPathfinder::diagonalMode = 0;
    TPathfinder::randomCost = 0.0f;
}

namespace {

using world::junctions;

// Another pixel column and another pixel row: never the junction the elf stands on.
bool Acceptable(const junctions& j, int x, int y) { return j.xpixel != x && j.ypixel != y; }

// Draws junctions until one is acceptable. The game's list always holds one;
// a list without any answers none instead of drawing forever.
const junctions* DrawDestination(int x, int y) {
    const auto& list = world::JunctionList;
    if (std::none_of(list.begin(), list.end(), [&](const junctions& j) { return Acceptable(j, x, y); }))
        return nullptr;
    for (;;) {
        const junctions& j = list[platform::RandomInt(1, static_cast<int>(list.size())) - 1];
        if (Acceptable(j, x, y)) return &j;
    }
}

// The first junction in table order drawn at that pixel.
const junctions* JunctionAt(int x, int y) {
    const auto& list = world::JunctionList;
    auto at = std::find_if(list.begin(), list.end(),
                           [&](const junctions& j) { return j.xpixel == x && j.ypixel == y; });
    return at == list.end() ? nullptr : &*at;
}

// The direction of the step from cell a to cell b; x is tested first.
char StepDirection(int ax, int ay, int bx, int by) {
    if (bx < ax) return '<';
    if (bx > ax) return '>';
    return by > ay ? '|' : '^';
}

// The path finder's last route, read front to back, as one direction per step.
std::string RouteDirections() {
    const std::vector<int>& r = TPathfinder::route;
    std::string directions;
    for (int i = 1; i < TPathfinder::routeLength; ++i)
        directions += StepDirection(r[2 * i - 2], r[2 * i - 1], r[2 * i], r[2 * i + 1]);
    return directions;
}

}  // namespace

std::string ChooseJunctionDirection(int x, int y) {
    const junctions* destination = DrawDestination(x, y);
    const junctions* standing = JunctionAt(x, y);
    if (!destination || !standing) return lastJunctionDirection;
    // Asked from the destination back to here, so that the route reads from here to there.
    const int found =
        TPathfinder::FindPath(destination->xfrom, destination->yfrom, standing->xfrom, standing->yfrom);
    if (found == 0 || TPathfinder::routeLength < 2) return lastJunctionDirection;
    lastJunctionRoute = RouteDirections();
    lastJunctionDirection = lastJunctionRoute.substr(0, 1);
    return lastJunctionDirection;
}

namespace {

// The map in the path grid table's order: row y = 0 first, x = 0 to 42 within a row.
std::string PathMapText() {
    if (PathMap.empty()) return {};
    std::string text;
    for (int y = 0; y < world::PathGridHeight; ++y)
        for (int x = 0; x < world::PathGridWidth; ++x)
            text += (text.empty() ? "" : ",") + platform::DumpNumber(PathMap[x * world::PathGridHeight + y]);
    return text;
}

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpValue("PathMap", PathMapText);
    platform::RegisterDumpText("lastJunctionDirection", lastJunctionDirection);
    platform::RegisterDumpText("lastJunctionRoute", lastJunctionRoute);
    platform::RegisterReset([] {
        PathMap.clear();
        lastJunctionDirection.clear();
        lastJunctionRoute.clear();
    });
});

}  // namespace
}  // namespace actors
