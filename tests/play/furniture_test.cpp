// The level's furniture as the tables build it.
#include <gtest/gtest.h>

#include "tests/play/play_fixture.h"
#include "world/carts.h"
#include "world/junctions.h"
#include "world/ladders.h"
#include "world/lifts.h"

namespace {

using play_test::PlayFixture;
using FurnitureTest = PlayFixture;

TEST_F(FurnitureTest, LiftsStartAtTheBottomStopWithEveryYRaisedByTen) {
    world::LoadLifts();
    ASSERT_EQ(world::LiftList.size(), 2u);
    const world::lifts& one = world::LiftList[0];
    EXPECT_EQ(one.id, 1);
    EXPECT_EQ(one.xpos, 1096);
    EXPECT_EQ(one.ypos, 394);
    EXPECT_EQ(one.center, 1120);
    EXPECT_EQ(one.StopPointer, 4);
    EXPECT_EQ(one.dir, 1);
    EXPECT_EQ((std::vector<int>(one.Ystops.begin() + 1, one.Ystops.begin() + 5)),
              (std::vector<int>{34, 178, 298, 394}));
    const world::lifts& two = world::LiftList[1];
    EXPECT_EQ(two.id, 2);
    EXPECT_EQ(two.xpos, 1456);
    EXPECT_EQ(two.stops, 6);
    EXPECT_EQ((std::vector<int>(two.Ystops.begin() + 1, two.Ystops.end())),
              (std::vector<int>{34, 112, 332, 394, 490, 586}));
}

TEST_F(FurnitureTest, CartsTurnSixteenPixelsBeforeTheirRightLimitAndSitOnTheirRails) {
    world::LoadCarts();
    ASSERT_EQ(world::CartList.size(), 3u);
    struct Expected {
        int xmin, xmax, ypos, xpos, speed;
    };
    const Expected expected[] = {{64, 1248, 656, 860, -2}, {196, 1044, 176, 284, -2}, {1228, 1932, 584, 1352, 2}};
    for (int i = 0; i < 3; ++i) {
        const world::carts& c = world::CartList[i];
        EXPECT_EQ(c.xmin, expected[i].xmin) << "cart " << i + 1;
        EXPECT_EQ(c.xmax, expected[i].xmax) << "cart " << i + 1;
        EXPECT_EQ(c.ypos, expected[i].ypos) << "cart " << i + 1;
        EXPECT_EQ(c.xpos, expected[i].xpos) << "cart " << i + 1;
        EXPECT_EQ(c.speed, expected[i].speed) << "cart " << i + 1;
        EXPECT_GE(c.frame, 0);
        EXPECT_LE(c.frame, 4);
        EXPECT_EQ(c.ManInside, 0);
    }
}

TEST_F(FurnitureTest, EveryTableRecordBecomesOneObjectInTableOrder) {
    world::LoadLadders();
    world::LoadJunctions();
    EXPECT_EQ(world::LadderList.size(), 18u);
    EXPECT_EQ(world::LadderList.back().x, 1954);
    ASSERT_EQ(world::JunctionList.size(), 61u);
    const world::junctions& j22 = world::JunctionList[21];
    EXPECT_EQ(j22.xpixel, 0);
    EXPECT_EQ(j22.ypixel, 0);
    EXPECT_EQ(j22.id, 25);
    EXPECT_EQ(j22.xfrom, 0);
    EXPECT_EQ(j22.yfrom, 0);
}

}  // namespace
