// The path finder's class-wide state, its reset and its lines in the state dump.
#include <string>

#include "actors/pathfinder/pathfinder.h"
#include "platform/state_registry.h"

namespace actors {

std::span<const float> TPathfinder::mapCells;
int TPathfinder::mapWidth = 0;
int TPathfinder::mapHeight = 0;
int TPathfinder::diagonalMode = 0;
float TPathfinder::randomCost = 0.0f;
int TPathfinder::routeLength = 0;
std::vector<int> TPathfinder::route;
std::vector<TPath*> TPathfinder::nodeGrid;
std::vector<TPath> TPathfinder::nodePool;

void ResetPathfinder() {
    TPathfinder::SetMap({}, 0, 0);
    TPathfinder::diagonalMode = 0;
    TPathfinder::randomCost = 0.0f;
    TPathfinder::routeLength = 0;
    TPathfinder::route.clear();
}

namespace {

std::string RouteText() {
    std::string text;
    for (int value : TPathfinder::route) text += (text.empty() ? "" : ",") + std::to_string(value);
    return text;
}

// The last route and the search settings steer the elves, so a replay's dump shows them.
const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpInt("TPathfinder.diagonalMode", TPathfinder::diagonalMode);
    platform::RegisterDumpValue("TPathfinder.randomCost",
                                [] { return std::to_string(TPathfinder::randomCost); });
    platform::RegisterDumpInt("TPathfinder.routeLength", TPathfinder::routeLength);
    platform::RegisterDumpValue("TPathfinder.route", RouteText);
    platform::RegisterReset(ResetPathfinder);
});

}  // namespace

}  // namespace actors
