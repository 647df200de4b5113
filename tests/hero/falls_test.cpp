// Falls on the real maze: through every shaft opening with no lift there and
// off the broken ladder, each ending on solid ground with the hero dead.
#include <gtest/gtest.h>

#include "actors/hero_moves.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "shell/hero_fall.h"
#include "tests/hero/hero_support.h"
#include "tests/play/play_fixture.h"
#include "world/game_progress.h"
#include "world/lifts.h"
#include "world/terrain.h"

namespace {

using namespace actors;
using hero_test::PlaceHero;
using FallsTest = play_test::PlayFixture;

// His feet end right above the first solid row of the column he falls down.
void ExpectLandedDead(int column, int floorRow, const std::string& what) {
    EXPECT_EQ(world::Dying, 1) << what;
    EXPECT_EQ(HeroY + 64, floorRow) << what;
    EXPECT_TRUE(world::GroundSolid(column, HeroY + 64)) << what;
    EXPECT_FALSE(world::GroundSolid(column, HeroY + 63)) << what;
}

// The shafts' openings (lift x, floor, side he steps in from) and the rock
// at the bottom of each shaft.
TEST_F(FallsTest, StepsIntoEveryShaftOpeningWithNoLiftEndDeadOnTheShaftBottom) {
    struct Opening {
        int shaftX, floor;
        bool fromLeft;
        int bottom;
    };
    const Opening openings[] = {
        {1096, 96, true, 520},   {1096, 96, false, 520},  {1096, 240, true, 520},  {1096, 360, false, 520},
        {1096, 456, true, 520},  {1096, 456, false, 520}, {1456, 96, true, 712},   {1456, 96, false, 712},
        {1456, 174, true, 712},  {1456, 174, false, 712}, {1456, 394, false, 712}, {1456, 456, true, 712},
        {1456, 552, false, 712}, {1456, 648, true, 712},  {1456, 648, false, 712},
    };
    for (const Opening& o : openings) {
        const std::string what = "shaft " + std::to_string(o.shaftX) + " floor " + std::to_string(o.floor) +
                                 (o.fromLeft ? " from the left" : " from the right");
        play_test::StartUpForPlay();
        PlaceHero(o.fromLeft ? o.shaftX - 35 : o.shaftX + 19, o.floor - 64);
        world::LiftList.clear();
        if (o.fromLeft)
            WalkRight(true, 2000);
        else
            WalkLeft(true);
        ASSERT_EQ(Falling, 1) << what;
        const int x = HeroX;
        shell::RunHeroFall();
        EXPECT_EQ(HeroX, x) << what;
        ExpectLandedDead(HeroX + 31 + (o.fromLeft ? 16 : -16), o.bottom, what);
    }
}

// Ladder 4 breaks off over the storeroom, whose floor is at 624.
TEST_F(FallsTest, TheFallOffTheBrokenLadderEndsDeadOnTheStoreroomFloor) {
    PlaceHero(549, 32);
    for (int i = 0; i < 200 && Falling == 0; ++i) ClimbDown(true);
    ASSERT_EQ(Falling, 1);
    shell::RunHeroFall();
    ExpectLandedDead(549 + 31 + 16, 624, "off ladder 4");
}

TEST_F(FallsTest, APresentInHisHandsFallsOnAsAnItemFromWhereHeLanded) {
    PlaceHero(549, 32);
    Carried = 1;
    HeroSpeed = 2;
    for (int i = 0; i < 200 && Falling == 0; ++i) ClimbDown(true);
    shell::RunHeroFall();
    ASSERT_EQ(ItemList.size(), 1u);
    EXPECT_EQ(ItemList[0].x, HeroX + 16);
    EXPECT_EQ(ItemList[0].y, HeroY + 16);
    EXPECT_EQ(ItemList[0].whichtype, 1);
    EXPECT_EQ(ItemList[0].falling, 1);
    EXPECT_EQ(Carried, 0);
    EXPECT_EQ(HeroSpeed, 3);
}

TEST_F(FallsTest, WithoutAFallTheFallSequenceDoesNothing) {
    PlaceHero(300, 656);
    shell::RunHeroFall();
    EXPECT_EQ(world::Dying, 0);
    EXPECT_EQ(HeroY, 656);
}

}  // namespace
