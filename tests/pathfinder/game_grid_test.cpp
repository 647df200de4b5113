// Routes on the game's own path grid between the junctions of the elf network,
// and the elves' first step along each, checked against the drawn elf paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "actors/pathfinder/pathfinder.h"
#include "platform/random.h"
#include "tests/world/drawn_paths.h"
#include "tests/world/maze_fixture.h"
#include "world/level_tables.h"

namespace pathtest {
namespace {

using actors::TPathfinder;
using mazetest::Junction;

constexpr int kBlockedJunction = 21;  // record 22: pixel (0, 0), cell (0, 0)

class GameGridTest : public mazetest::MazeTest {
protected:
    static void SetUpTestSuite() {
        MazeTest::SetUpTestSuite();
        for (int y = 0; y < world::PathGridHeight; ++y)
            for (int x = 0; x < world::PathGridWidth; ++x)
                map_[x * world::PathGridHeight + y] =
                    static_cast<float>(world::PathGrid[y * world::PathGridWidth + x]);
    }

    void SetUp() override {
        actors::ResetPathfinder();
        TPathfinder::SetMap(map_, world::PathGridWidth, world::PathGridHeight);
        platform::SeedRandom(1);
    }

    static bool Free(int x, int y) { return map_[x * world::PathGridHeight + y] < 1.0f; }

    static inline std::vector<float> map_ = std::vector<float>(world::PathGridSize);
};

std::string Pair(int from, int to) {
    return "junction " + std::to_string(from + 1) + " to " + std::to_string(to + 1);
}

// Asks for the route of every decision the junction network can make, record 22
// left out: the standing junction `from` and a destination `to` in another
// pixel column and another pixel row. As the network does, it asks for the
// route from the destination back to the standing junction.
void ForEachDecision(const std::function<void(int from, int to, int found)>& check) {
    const auto js = mazetest::Junctions();
    for (int from = 0; from < world::JunctionCount; ++from)
        for (int to = 0; to < world::JunctionCount; ++to) {
            if (from == kBlockedJunction || to == kBlockedJunction) continue;
            if (js[from].x == js[to].x || js[from].y == js[to].y) continue;
            check(from, to,
                  TPathfinder::FindPath(js[to].cellX, js[to].cellY, js[from].cellX, js[from].cellY));
        }
}

// The direction of the step from (ax, ay) to (bx, by), x tested first.
char StepDirection(int ax, int ay, int bx, int by) {
    if (bx < ax) return '<';
    if (bx > ax) return '>';
    return by > ay ? '|' : '^';
}

TEST_F(GameGridTest, EveryDecisionFindsAConnectedRouteFromTheJunctionToTheDestination) {
    const auto js = mazetest::Junctions();
    int decisions = 0;
    ForEachDecision([&](int from, int to, int found) {
        ++decisions;
        ASSERT_EQ(found, 1) << Pair(from, to);
        const auto& r = TPathfinder::route;
        const int n = TPathfinder::routeLength;
        ASSERT_GE(n, 2) << Pair(from, to);
        EXPECT_EQ(r[0], js[from].cellX) << Pair(from, to);
        EXPECT_EQ(r[1], js[from].cellY) << Pair(from, to);
        EXPECT_EQ(r[2 * n - 2], js[to].cellX) << Pair(from, to);
        EXPECT_EQ(r[2 * n - 1], js[to].cellY) << Pair(from, to);
        for (int i = 1; i < n; ++i) {
            int dx = r[2 * i] - r[2 * i - 2], dy = r[2 * i + 1] - r[2 * i - 1];
            EXPECT_EQ(std::abs(dx) + std::abs(dy), 1) << Pair(from, to) << ", step " << i;
            EXPECT_TRUE(Free(r[2 * i], r[2 * i + 1])) << Pair(from, to) << ", step " << i;
        }
    });
    EXPECT_GT(decisions, 3000);
}

TEST_F(GameGridTest, TheFirstStepOfEveryRouteSetsOffAlongADrawnElfPath) {
    const auto js = mazetest::Junctions();
    ForEachDecision([&](int from, int to, int found) {
        ASSERT_EQ(found, 1) << Pair(from, to);
        const auto& r = TPathfinder::route;
        const char first = StepDirection(r[0], r[1], r[2], r[3]);
        const auto exits = mazetest::DrawnExits(js[from].x, js[from].y);
        EXPECT_NE(std::find(exits.begin(), exits.end(), first), exits.end())
            << Pair(from, to) << " sets off '" << first << "', where no elf path leaves";
    });
}

TEST_F(GameGridTest, TheBlockedJunctionHasNoRouteEitherWay) {
    const auto js = mazetest::Junctions();
    const Junction& blocked = js[kBlockedJunction];
    ASSERT_FALSE(Free(blocked.cellX, blocked.cellY));
    for (int j = 0; j < world::JunctionCount; ++j) {
        if (j == kBlockedJunction) continue;
        // As a destination it is the search's start: blocked, with no free neighbour.
        EXPECT_EQ(TPathfinder::FindPath(blocked.cellX, blocked.cellY, js[j].cellX, js[j].cellY), 0) << j + 1;
        // As the end it is refused before the search begins.
        EXPECT_EQ(TPathfinder::FindPath(js[j].cellX, js[j].cellY, blocked.cellX, blocked.cellY), 0) << j + 1;
    }
}

}  // namespace
}  // namespace pathtest
