// The junction network on the real maze: the path map, the destination draw,
// the shared direction and the route string.
#include "actors/junction_network.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "actors/pathfinder/pathfinder.h"
#include "platform/random.h"
#include "platform/state_registry.h"
#include "tests/elves/elf_fixture.h"
#include "tests/world/drawn_paths.h"
#include "world/junctions.h"
#include "world/level_tables.h"

namespace elves_test {
namespace {

using actors::ChooseJunctionDirection;
using actors::lastJunctionDirection;
using actors::lastJunctionRoute;
using actors::TPathfinder;
using world::JunctionList;

using JunctionNetworkTest = ElfTest;

constexpr int kBlockedRecord = 22;  // pixel (0, 0), cell (0, 0): blocked, no free neighbour

const world::junctions& Record(int r) { return JunctionList[r - 1]; }

// The cell the route string leads to from (x, y), one grid step per character.
std::pair<int, int> Follow(int x, int y, const std::string& route) {
    for (char c : route) {
        x += c == '>' ? 1 : c == '<' ? -1 : 0;
        y += c == '|' ? 1 : c == '^' ? -1 : 0;
    }
    return {x, y};
}

TEST_F(JunctionNetworkTest, ThePathMapIsThePathGridIndexedByXThenY) {
    ASSERT_EQ(TPathfinder::mapWidth, 43);
    ASSERT_EQ(TPathfinder::mapHeight, 16);
    EXPECT_EQ(TPathfinder::mapCells.data(), actors::PathMap.data())
        << "the path finder reads the map in place";
    // Row 2 of the table is 1110111111110111110111111111111111111111011.
    struct Cell {
        int x, y;
        float value;
    };
    for (Cell c : {Cell{0, 0, 1}, Cell{1, 1, 0}, Cell{3, 2, 0}, Cell{4, 2, 1}, Cell{40, 2, 0}, Cell{41, 2, 1},
                   Cell{42, 1, 0}, Cell{0, 15, 1}, Cell{27, 15, 0}, Cell{28, 15, 1}})
        EXPECT_EQ(TPathfinder::mapCells[c.x * 16 + c.y], c.value) << "cell (" << c.x << ", " << c.y << ")";
    EXPECT_EQ(TPathfinder::diagonalMode, 0);
    EXPECT_EQ(TPathfinder::randomCost, 0.0f);
}

TEST_F(JunctionNetworkTest, TheEightJunctionsInColumn144NeverSendAnElfToEachOther) {
    std::vector<int> column;
    for (int r = 1; r <= world::JunctionCount; ++r)
        if (Record(r).xpixel == 144) column.push_back(r);
    ASSERT_EQ(column.size(), 8u);
    platform::SeedRandom(5);
    std::set<std::pair<int, int>> destinations;
    for (int r : column)
        for (int n = 0; n < 300; ++n) {
            ChooseJunctionDirection(Record(r).xpixel, Record(r).ypixel);
            if (TPathfinder::routeLength == 0) continue;  // the blocked record was drawn
            const auto& route = TPathfinder::route;
            const int endX = route[2 * TPathfinder::routeLength - 2];
            const int endY = route[2 * TPathfinder::routeLength - 1];
            destinations.insert({endX, endY});
            // Every junction of cell column 3 is drawn at pixel column 144.
            EXPECT_NE(endX, 3) << "from record " << r << " to cell (" << endX << ", " << endY << ")";
        }
    EXPECT_GT(destinations.size(), 40u) << "the draw reaches most of the other junctions";
}

TEST_F(JunctionNetworkTest, TheFirstDecisionWithoutARouteAnswersTheEmptyDirection) {
    SeedSoNextDrawIs(1, world::JunctionCount, kBlockedRecord);
    EXPECT_EQ(ChooseJunctionDirection(7, 32), "");
    EXPECT_EQ(lastJunctionRoute, "");

    // Once a route was found, a decision without one answers that direction
    // and leaves the route string as it was.
    SeedSoNextDrawIs(1, world::JunctionCount, 8);
    ASSERT_EQ(ChooseJunctionDirection(7, 32), ">");
    const std::string route = lastJunctionRoute;
    ASSERT_FALSE(route.empty());
    SeedSoNextDrawIs(1, world::JunctionCount, kBlockedRecord);
    EXPECT_EQ(ChooseJunctionDirection(Record(45).xpixel, Record(45).ypixel), ">");
    EXPECT_EQ(lastJunctionRoute, route);
}

TEST_F(JunctionNetworkTest, APixelWithoutAJunctionAnswersTheLastDirection) {
    lastJunctionDirection = "^";
    lastJunctionRoute = "^^>";
    const std::uint32_t before = platform::RandomState();
    EXPECT_EQ(ChooseJunctionDirection(8, 32), "^");
    EXPECT_EQ(lastJunctionRoute, "^^>");
    EXPECT_NE(platform::RandomState(), before) << "the destination is drawn before the junction is looked up";
}

TEST_F(JunctionNetworkTest, ADestinationNextToTheJunctionInTheGridGivesAOneStepRoute) {
    // No two junctions of the game's table are grid neighbours in another
    // pixel row and column, so this network has two made-up ones.
    JunctionList = {{7, 32, 1, 1, 1}, {40, 50, 2, 1, 99}};
    EXPECT_EQ(ChooseJunctionDirection(7, 32), ">");
    EXPECT_EQ(lastJunctionRoute, ">");
    EXPECT_EQ(lastJunctionDirection, ">");
}

TEST_F(JunctionNetworkTest, ANetworkWithoutAnAcceptableDestinationAnswersTheLastDirection) {
    lastJunctionDirection = "<";
    JunctionList = {{7, 32, 1, 1, 1}, {7, 176, 1, 4, 2}};  // both in the elf's pixel column
    EXPECT_EQ(ChooseJunctionDirection(7, 32), "<");
    JunctionList.clear();
    EXPECT_EQ(ChooseJunctionDirection(7, 32), "<");
}

TEST_F(JunctionNetworkTest, EveryDecisionWithARouteSetsOffAlongADrawnPathTowardsTheDestination) {
    platform::SeedRandom(11);
    for (int r = 1; r <= world::JunctionCount; ++r) {
        if (r == kBlockedRecord) continue;
        const world::junctions& j = Record(r);
        const auto exits = mazetest::DrawnExits(j.xpixel, j.ypixel);
        for (int n = 0; n < 60; ++n) {
            const std::string direction = ChooseJunctionDirection(j.xpixel, j.ypixel);
            if (TPathfinder::routeLength == 0) continue;
            ASSERT_EQ(direction.size(), 1u) << "record " << r;
            EXPECT_NE(std::find(exits.begin(), exits.end(), direction[0]), exits.end())
                << "record " << r << " sets off '" << direction << "' where no elf path leaves";
            EXPECT_EQ(lastJunctionRoute.substr(0, 1), direction);
            ASSERT_EQ(static_cast<int>(lastJunctionRoute.size()), TPathfinder::routeLength - 1)
                << "record " << r;
            // The route ends in the cell of a junction in another pixel column and row.
            const auto [x, y] = Follow(j.xfrom, j.yfrom, lastJunctionRoute);
            const bool atAnotherJunction =
                std::any_of(JunctionList.begin(), JunctionList.end(), [&](const auto& d) {
                    return d.xfrom == x && d.yfrom == y && d.xpixel != j.xpixel && d.ypixel != j.ypixel;
                });
            EXPECT_TRUE(atAnotherJunction) << "record " << r << " route " << lastJunctionRoute;
        }
    }
}

TEST_F(JunctionNetworkTest, TheSharedDirectionAndRouteAreInTheDumpAndResetToEmpty) {
    lastJunctionDirection = "<";
    lastJunctionRoute = "<<|";
    const std::string dump = platform::DumpState();
    EXPECT_NE(dump.find("lastJunctionDirection=<\n"), std::string::npos);
    EXPECT_NE(dump.find("lastJunctionRoute=<<|\n"), std::string::npos);
    EXPECT_NE(dump.find("PathMap=1,1,1,"), std::string::npos);
    platform::ResetAllState();
    EXPECT_EQ(lastJunctionDirection, "");
    EXPECT_EQ(lastJunctionRoute, "");
    EXPECT_TRUE(actors::PathMap.empty());
}

}  // namespace
}  // namespace elves_test
