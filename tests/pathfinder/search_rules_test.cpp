// The path finder's promises around the search: what survives a call, the
// random draws it makes, the map it reads, inputs it refuses, and its lines in
// the state dump.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "actors/pathfinder/pathfinder.h"
#include "platform/random.h"
#include "platform/state_registry.h"
#include "tests/pathfinder/test_map.h"

namespace pathtest {
namespace {

using actors::TPathfinder;

class SearchRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        actors::ResetPathfinder();
        platform::SeedRandom(1);
    }
};

// The generator's state after `draws` draws from the seed.
std::uint32_t StateAfterDraws(std::int32_t seed, int draws) {
    platform::SeedRandom(seed);
    for (int i = 0; i < draws; ++i) platform::RandomReal(0.0, 0.0);
    return platform::RandomState();
}

TEST_F(SearchRulesTest, CallsThatFindNoRouteKeepThePreviousRoute) {
    TestMap map({"...#."});
    map.Use();
    ASSERT_EQ(TPathfinder::FindPath(0, 0, 2, 0), 1);
    const std::vector<int> previous = {2, 0, 1, 0, 0, 0};
    ASSERT_EQ(LastRoute(), previous);

    struct Call {
        const char* what;
        int startX, startY, endX, endY, result;
    };
    for (const Call& c : {Call{"blocked end", 0, 0, 3, 0, 0}, Call{"unreachable end", 0, 0, 4, 0, 0},
                          Call{"start equal to end", 1, 0, 1, 0, 1}}) {
        TPathfinder::routeLength = 99;
        EXPECT_EQ(TPathfinder::FindPath(c.startX, c.startY, c.endX, c.endY), c.result) << c.what;
        EXPECT_EQ(TPathfinder::routeLength, 0) << c.what;
        EXPECT_EQ(TPathfinder::route, previous) << c.what;
    }
}

struct DrawCase {
    const char* what;
    std::vector<std::string> rows;
    float randomCost;
    int startX, startY, endX, endY;
    int draws;
};

// One draw per cost computation: every node created and every take-over.
const DrawCase kDrawCases[] = {
    // 8 nodes are created; (0,2) is taken over at a real saving, and (1,1)
    // and (1,2) on float ties: their stored costs lie just above the double
    // sums of their new parents' costs and 0.1. Costs kept in double would
    // make 10 draws.
    {"take-overs draw too", {"..", "..", "..", ".#", ".."}, 0.0f, 0, 0, 1, 4, 11},
    // A corridor has nothing to take over: one draw per cell entered.
    {"random cost in play", {"....."}, 0.5f, 0, 0, 4, 0, 4},
    // The end is created by the start's first step; (0,1) is never tried.
    {"the end stops the expansion", {"..", ".."}, 0.0f, 0, 0, 1, 0, 1},
    {"blocked end", {".#"}, 0.0f, 0, 0, 1, 0, 0},
    {"start equal to end", {"."}, 0.0f, 0, 0, 0, 0, 0},
};

TEST_F(SearchRulesTest, EachCostComputationAdvancesTheRandomSequenceByOneDraw) {
    for (const DrawCase& c : kDrawCases) {
        TestMap map(c.rows);
        map.Use();
        TPathfinder::randomCost = c.randomCost;
        std::uint32_t expected = StateAfterDraws(2026, c.draws);
        platform::SeedRandom(2026);
        TPathfinder::FindPath(c.startX, c.startY, c.endX, c.endY);
        EXPECT_EQ(platform::RandomState(), expected) << c.what << ": expected " << c.draws << " draws";
    }
}

TEST_F(SearchRulesTest, TheCallersMapIsReadInPlace) {
    TestMap map({"...", "..."});
    map.Use();
    map.At(1, 0) = 1.0f;
    ASSERT_EQ(TPathfinder::FindPath(0, 0, 2, 0), 1);
    EXPECT_EQ(LastRoute(), (std::vector<int>{2, 0, 2, 1, 1, 1, 0, 1, 0, 0}));
}

TEST_F(SearchRulesTest, CellsOutsideTheMapHaveNoRoute) {
    TestMap map({"...", "..."});
    map.Use();
    for (auto [sx, sy, ex, ey] : {std::array{-1, 0, 2, 0}, {0, 2, 2, 0}, {0, 0, 3, 0}, {0, 0, 0, -1}})
        EXPECT_EQ(TPathfinder::FindPath(sx, sy, ex, ey), 0) << sx << "," << sy << " to " << ex << "," << ey;
}

TEST_F(SearchRulesTest, AMapSmallerThanItsExtentIsRefused) {
    std::vector<float> cells(5, 0.0f);
    TPathfinder::SetMap(cells, 3, 2);
    EXPECT_EQ(TPathfinder::mapWidth, 0);
    EXPECT_TRUE(TPathfinder::mapCells.empty());
    EXPECT_EQ(TPathfinder::FindPath(0, 0, 2, 1), 0);
}

TEST_F(SearchRulesTest, NegativeCostsThatRunInACircleGiveNoRoute) {
    // Entering (2,0) costs less than nothing, so (1,0), reached through it,
    // takes it over in turn: the two become each other's parents and the walk
    // back from the end would never reach the start.
    TestMap map({"...."});
    map.At(2, 0) = -0.9f;
    map.At(3, 0) = -0.9f;
    map.Use();
    EXPECT_EQ(TPathfinder::FindPath(3, 0, 0, 0), 0);
    EXPECT_EQ(TPathfinder::routeLength, 0);
}

bool DumpHas(const std::string& line) { return platform::DumpState().find(line + "\n") != std::string::npos; }

TEST_F(SearchRulesTest, TheDumpShowsTheSettingsAndTheLastRouteAndTheResetClearsThem) {
    TestMap map({"..."});
    map.Use();
    TPathfinder::diagonalMode = 2;
    TPathfinder::randomCost = 0.25f;
    ASSERT_EQ(TPathfinder::FindPath(0, 0, 2, 0), 1);
    EXPECT_TRUE(DumpHas("TPathfinder.diagonalMode=2"));
    EXPECT_TRUE(DumpHas("TPathfinder.randomCost=0.250000"));
    EXPECT_TRUE(DumpHas("TPathfinder.routeLength=3"));
    EXPECT_TRUE(DumpHas("TPathfinder.route=2,0,1,0,0,0"));

    platform::ResetAllState();
    EXPECT_TRUE(DumpHas("TPathfinder.diagonalMode=0"));
    EXPECT_TRUE(DumpHas("TPathfinder.randomCost=0.000000"));
    EXPECT_TRUE(DumpHas("TPathfinder.routeLength=0"));
    EXPECT_TRUE(DumpHas("TPathfinder.route="));
    EXPECT_EQ(TPathfinder::mapWidth, 0);
    EXPECT_EQ(TPathfinder::FindPath(0, 0, 2, 0), 0) << "no map after the reset";
}

}  // namespace
}  // namespace pathtest
