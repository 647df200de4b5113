// Routes on small hand-made maps, where the chain's order, the tie-breaks, the
// inflated estimate and the parent update decide which way the elves go. Each
// expected route was worked out by hand from the search rules; the comment at
// each case says what decides it. Routes read from the END back to the START.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "actors/pathfinder/pathfinder.h"
#include "platform/random.h"
#include "tests/pathfinder/test_map.h"

namespace pathtest {
namespace {

using actors::TPathfinder;

struct RouteCase {
    const char* name;
    std::vector<std::string> rows;
    int diagonalMode;
    int startX, startY, endX, endY;
    int result;
    std::vector<int> route;  // x, y pairs, end first
};

// One case per line after its reasons.
// clang-format off
const RouteCase kCases[] = {
    // S creates (1,0) then (0,1), both at total 0.1 + 3/8; among equals the
    // first created is expanded first. (1,0) creates (2,0) and (1,1), both at
    // 0.2 + 2/8, so (2,0) goes first; it creates (2,1) at 0.3 + 1/8, which is
    // linked in ahead of (1,1) and then reaches the end: along x first.
    {"OpenGridGoesAlongXFirst", {"...", "...", "..."}, 0, 0, 0, 2, 2,
     1, {2, 2, 2, 1, 2, 0, 1, 0, 0, 0}},
    // Both sides tie at every depth. (4,3) is created by the expansion of
    // (3,3) before (0,3) is created by that of (1,3); both total 0.2 + 4/8, so
    // (0,3) joins the chain behind (4,3) and the right side stays ahead.
    {"EqualTotalsFromAnEarlierExpansionGoFirst", {"##.#.", ".....", ".###.", "....."}, 0, 2, 3, 2, 1,
     1, {2, 1, 3, 1, 4, 1, 4, 2, 4, 3, 3, 3, 2, 3}},
    // The estimate (1/8 a cell) outweighs the step cost (0.1), so the search
    // runs along the lower row, which is as near the end as the upper one,
    // until the wall at (1,1) turns it up at (2,1): 9 steps where 7 would do.
    // (5,1) was first reached from (6,1) at 0.1f + 0.1, stored as the float
    // just above 0.2; when (5,0) is expanded, its 0.1f + 0.1 summed in double
    // lies below that, so (5,0) takes (5,1) over. Costs kept in double would
    // tie there and the route would leave the start through (6,1) instead.
    {"InflatedEstimateAndFloatCostsShapeTheRoute", {".......", ".#....."}, 0, 6, 0, 0, 1,
     1, {0, 1, 0, 0, 1, 0, 2, 0, 2, 1, 3, 1, 4, 1, 5, 1, 5, 0, 6, 0}},
    // The right column is tried first: (0,2) is first created from (1,2) at a
    // cost of 0.4. When (0,1) (cost 0.1) is expanded later it takes (0,2) over
    // at 0.2, and the route runs straight down the left column.
    {"ACheaperParentTakesANodeOver", {"..", "..", "..", ".#", ".."}, 0, 0, 0, 1, 4,
     1, {1, 4, 0, 4, 0, 3, 0, 2, 0, 1, 0, 0}},
    // The bound of a take-over charges the cell's value times Root2: (0,1)
    // would reach (0,2) 0.2 cheaper than (1,2) did, but the bound asks for more
    // than 0.5 x 0.414, so (0,2) keeps its parent. (1,1) does change hands, to
    // (0,1), on a float tie like the one above.
    {"ATakeOverMustBeatTheBound", {"..", "..", "+.", ".#", ".."}, 0, 0, 0, 1, 4,
     1, {1, 4, 0, 4, 0, 3, 0, 2, 1, 2, 1, 1, 0, 1, 0, 0}},
    // (1,1), the start's first diagonal, is expanded right after the two
    // straight neighbours and reaches the end by its own first diagonal.
    {"EightNeighboursTakeTheDiagonal", {"...", "...", "..."}, 1, 0, 0, 2, 2,
     1, {2, 2, 1, 1, 0, 0}},
    // A diagonal step costs Root2 times a straight one and the estimate is the
    // squared distance / 240: (1,0) totals 0.1 + 2/240, below (1,1) at
    // 0.1414 + 1/240, so (1,0) is expanded first and reaches the end diagonally.
    {"DiagonalCostAndSquaredEstimate", {"..#", "#.."}, 1, 0, 0, 2, 1,
     1, {2, 1, 1, 0, 0, 0}},
    // Mode 1 steps diagonally between two blocked corners; so does any mode but 0 and 2.
    {"ModeOneCutsCorners", {".#", "#."}, 1, 0, 0, 1, 1,
     1, {1, 1, 0, 0}},
    {"ModeThreeCutsCornersToo", {".#", "#."}, 3, 0, 0, 1, 1,
     1, {1, 1, 0, 0}},
    // Mode 2 refuses a diagonal past either blocked corner and goes round...
    {"ModeTwoGoesRoundABlockedCorner", {"..", "#."}, 2, 0, 0, 1, 1,
     1, {1, 1, 1, 0, 0, 0}},
    {"ModeTwoGoesRoundTheOtherBlockedCorner", {".#", ".."}, 2, 0, 0, 1, 1,
     1, {1, 1, 0, 1, 0, 0}},
    // ... and with both corners blocked there is no way at all.
    {"ModeTwoFindsNoWayBetweenBlockedCorners", {".#", "#."}, 2, 0, 0, 1, 1,
     0, {}},
    // The start cell is never tested: a route may begin in a blocked cell.
    {"ABlockedStartWithAFreeNeighbour", {"#.."}, 0, 0, 0, 2, 0,
     1, {2, 0, 1, 0, 0, 0}},
    {"AnEndThatCannotBeReached", {".#."}, 0, 0, 0, 2, 0,
     0, {}},
};
// clang-format on

void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.name; }

class RouteOrderTest : public ::testing::TestWithParam<RouteCase> {
protected:
    void SetUp() override {
        actors::ResetPathfinder();
        platform::SeedRandom(1);
    }
};

TEST_P(RouteOrderTest, FindsTheRouteWorkedOutByHand) {
    const RouteCase& c = GetParam();
    TestMap map(c.rows);
    map.Use();
    TPathfinder::diagonalMode = c.diagonalMode;
    EXPECT_EQ(TPathfinder::FindPath(c.startX, c.startY, c.endX, c.endY), c.result);
    EXPECT_EQ(LastRoute(), c.route);
    EXPECT_EQ(TPathfinder::routeLength, static_cast<int>(c.route.size() / 2));
}

INSTANTIATE_TEST_SUITE_P(HandMadeMaps, RouteOrderTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pathtest
