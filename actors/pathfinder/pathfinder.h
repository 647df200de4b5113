// The elves' route planner: a best-first search on the path grid with a fixed
// step cost, an inflated distance estimate and one sorted chain of nodes that
// is open list, closed list and node memory at once. The order in which it
// expands cells picks which of several equally short routes an elf takes, so
// every formula and tie-break below is part of the game.
#pragma once

#include <span>
#include <vector>

namespace actors {

// One search node.
struct TPath {
    int X = 0;
    int Y = 0;
    TPath* Parent = nullptr;  // the node this cell was reached from most cheaply so far
    float Cost = 0.0f;        // accumulated from the start cell
    float Dist = 0.0f;        // estimated remaining cost to the end cell
    TPath* After = nullptr;   // the next node of the search chain
};

// Class-level operations and class-wide state only: the game never makes one.
class TPathfinder {
public:
    TPathfinder() = delete;

    // The cost map, owned by the caller and read in place: mapWidth columns of
    // mapHeight cells, cell [x, y] at x * mapHeight + y. A cell is blocked at
    // 1.0 or more; below that its value is added to the cost of entering it.
    static std::span<const float> mapCells;
    static int mapWidth;
    static int mapHeight;
    // 0: four neighbours; any other value: eight; 2: eight without cutting corners.
    static int diagonalMode;
    // Upper bound of the random extra cost of each step.
    static float randomCost;
    // Cells of the last route found, both ends included; 0 after a call that found none.
    static int routeLength;
    // The last route found as x, y pairs, from the END cell of the request back
    // to its START cell. Replaced only by a successful search with start != end.
    static std::vector<int> route;

    // Keeps a reference to the caller's map (no copy): later changes to it are
    // seen by later searches. A map smaller than its stated extent is refused
    // and leaves no map.
    static void SetMap(std::span<const float> map, int width, int height);

    // 1 if a route was found or start equals end, 0 otherwise. Callers that
    // want a route from A to B ask for FindPath(B, A) and read `route` front to back.
    static int FindPath(int startX, int startY, int endX, int endY);

private:
    // The node of each cell during a search (null elsewhere), indexed like the map.
    static std::vector<TPath*> nodeGrid;
    // One node per cell, so that a search allocates nothing.
    static std::vector<TPath> nodePool;

    static TPath* Expand(TPath& current, int endX, int endY);
    static bool StoreRoute(const TPath& end, const TPath& start);
};

// No map, four neighbours, no random cost, no route.
void ResetPathfinder();

}  // namespace actors
