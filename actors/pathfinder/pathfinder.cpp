// The search itself. Costs and estimates are stored in single precision and
// compared as double sums, as the elves' routes have always been worked out.
#include "actors/pathfinder/pathfinder.h"

#include <cstddef>
#include <cstdlib>

#include "platform/random.h"

namespace actors {
namespace {

constexpr float Root2 = 1.41419995f;  // single precision, widened where it is used
constexpr double StepCost = 0.1;

// The neighbour order: the four straight steps first, then the diagonals.
constexpr int StepX[8] = {1, 0, -1, 0, 1, -1, -1, 1};
constexpr int StepY[8] = {0, 1, 0, -1, 1, 1, -1, -1};

bool Inside(int x, int y) {
    return x >= 0 && x < TPathfinder::mapWidth && y >= 0 && y < TPathfinder::mapHeight;
}

std::size_t Cell(int x, int y) { return static_cast<std::size_t>(x) * TPathfinder::mapHeight + y; }

float MapValue(int x, int y) { return TPathfinder::mapCells[Cell(x, y)]; }

bool Free(int x, int y) { return MapValue(x, y) < 1.0f; }

double Total(const TPath& node) { return static_cast<double>(node.Cost) + node.Dist; }

// The cost of stepping in direction d onto a cell of value m. The random draw
// is made every time, also when randomCost is 0.0: it advances the game's one
// random sequence, and every later draw of the frame depends on that.
float EnterCost(float from, float m, int d) {
    double r = platform::RandomReal(0.0, TPathfinder::randomCost);
    if (d < 4) return static_cast<float>(from + StepCost + m + r);
    return static_cast<float>(from + (StepCost + m + r) * Root2);
}

// Inflated on purpose: a straight step costs 0.1 but the estimate charges
// 0.125 per cell, so the search heads for cells near the end before cheaper
// ones and its route is not always a shortest one.
float Estimate(int x, int y, int endX, int endY) {
    int dx = x - endX, dy = y - endY;
    if (TPathfinder::diagonalMode != 0) return static_cast<float>((dx * dx + dy * dy) / 240.0);
    return static_cast<float>((std::abs(dx) + std::abs(dy)) / 8.0);
}

// Mode 2 refuses a diagonal step past a blocked corner.
bool CutsCorner(const TPath& from, int nx, int ny, int d) {
    return TPathfinder::diagonalMode == 2 && d >= 4 && !(Free(nx, from.Y) && Free(from.X, ny));
}

// Links the node in after `current`, behind every later node whose total is
// equal or lower: first come, first served among equals.
void Insert(TPath& current, TPath& node) {
    double total = Total(node);
    TPath* at = &current;
    while (at->After && Total(*at->After) <= total) at = at->After;
    node.After = at->After;
    at->After = &node;
}

}  // namespace

void TPathfinder::SetMap(std::span<const float> map, int width, int height) {
    bool fits = width >= 0 && height >= 0 &&
                map.size() >= static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    mapCells = fits ? map : std::span<const float>();
    mapWidth = fits ? width : 0;
    mapHeight = fits ? height : 0;
    nodeGrid.assign(static_cast<std::size_t>(mapWidth) * static_cast<std::size_t>(mapHeight), nullptr);
    nodePool.assign(nodeGrid.size(), TPath{});
}

int TPathfinder::FindPath(int startX, int startY, int endX, int endY) {
    routeLength = 0;
    if (startX == endX && startY == endY) return 1;
    // No route leads outside the map; this also keeps every read inside the caller's array.
    if (!Inside(startX, startY) || !Inside(endX, endY)) return 0;
    // Only the end is tested: a route may start in a blocked cell.
    if (!Free(endX, endY)) return 0;

    TPath& first = nodePool[Cell(startX, startY)];
    first = TPath{startX, startY};
    nodeGrid[Cell(startX, startY)] = &first;
    // The chain before the current node is the closed list, the rest the open list.
    TPath* end = nullptr;
    for (TPath* current = &first; current && !end; current = current->After)
        end = Expand(*current, endX, endY);
    bool found = end && StoreRoute(*end, first);

    for (TPath* node = &first; node; node = node->After) nodeGrid[Cell(node->X, node->Y)] = nullptr;
    return found ? 1 : 0;
}

// Tries the neighbours of the current node in order; returns the end node as
// soon as it is created (the remaining directions are not tried), else null.
TPath* TPathfinder::Expand(TPath& current, int endX, int endY) {
    int directions = diagonalMode == 0 ? 4 : 8;
    for (int d = 0; d < directions; ++d) {
        int nx = current.X + StepX[d], ny = current.Y + StepY[d];
        if (!Inside(nx, ny)) continue;
        float m = MapValue(nx, ny);
        if (m >= 1.0f || CutsCorner(current, nx, ny, d)) continue;
        TPath*& node = nodeGrid[Cell(nx, ny)];
        if (!node) {
            node = &nodePool[Cell(nx, ny)];
            *node = TPath{nx, ny, &current, EnterCost(current.Cost, m, d), Estimate(nx, ny, endX, endY)};
            Insert(current, *node);
            if (nx == endX && ny == endY) return node;
        } else if (node->Cost > current.Cost + StepCost + static_cast<double>(m) * Root2 + randomCost) {
            // The bound charges m times Root2 and the whole randomCost whatever the
            // step; the new cost is the step's own with a fresh draw. The node
            // keeps its estimate and its place in the chain.
            node->Parent = &current;
            node->Cost = EnterCost(current.Cost, m, d);
        }
    }
    return nullptr;
}

// Writes the route from the end node back to the start node. Parent links can
// only run in a circle when the map holds negative costs; such a route is
// refused instead of being walked forever.
bool TPathfinder::StoreRoute(const TPath& end, const TPath& start) {
    int length = 1;
    for (const TPath* node = &end; node != &start; node = node->Parent)
        if (++length > mapWidth * mapHeight) return false;
    routeLength = length;
    route.resize(2 * static_cast<std::size_t>(length));
    const TPath* node = &end;
    for (std::size_t i = 0; i < route.size(); i += 2, node = node->Parent) {
        route[i] = node->X;
        route[i + 1] = node->Y;
    }
    return true;
}

}  // namespace actors
