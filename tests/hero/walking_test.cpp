// Walking on the real maze: flat floors, slopes, re-seating, lift-shaft
// openings, the wall, the right-hand limit and the half of the world shown.
#include <gtest/gtest.h>

#include "actors/hero.h"
#include "actors/hero_moves.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "tests/hero/hero_support.h"
#include "tests/play/play_fixture.h"
#include "world/lifts.h"
#include "world/terrain.h"
#include "world/terrain_state.h"
#include "world/view.h"

namespace {

using namespace actors;
using hero_test::PlaceHero;
using WalkingTest = play_test::PlayFixture;

// His bottom row is air and the row under it is ground, in the given column.
bool StandsOn(int column) {
    return !world::GroundNotEmpty(column, HeroY + 63) && world::GroundNotEmpty(column, HeroY + 64);
}

TEST_F(WalkingTest, OnTheCellarFloorHeWalksSPixelsAFrameEitherWayAndFacesHisWay) {
    for (int speed : {1, 2, 3}) {
        PlaceHero(300, 656);
        HeroSpeed = speed;
        for (int i = 0; i < 10; ++i) WalkRight(true, 2000);
        EXPECT_EQ(HeroX, 300 + 10 * speed) << "speed " << speed;
        EXPECT_EQ(HeroY, 656);
        EXPECT_EQ(HeroDir, 0);
        EXPECT_EQ(HeroMoving, 1);
        for (int i = 0; i < 20; ++i) WalkLeft(true);
        EXPECT_EQ(HeroX, 300 - 10 * speed) << "speed " << speed;
        EXPECT_EQ(HeroY, 656);
        EXPECT_EQ(HeroDir, 1);
    }
}

TEST_F(WalkingTest, AStepNeedsItsControlHeldAndHisHandsOffAHandle) {
    PlaceHero(300, 656);
    WalkRight(false, 2000);
    WalkLeft(false);
    EXPECT_EQ(HeroX, 300);
    EXPECT_EQ(HeroMoving, 0);
    Hanging = 1;
    WalkRight(true, 2000);
    WalkLeft(true);
    EXPECT_EQ(HeroX, 300);
}

// The slope up to the storeroom rises 24 rows from x 200 to x 400.
TEST_F(WalkingTest, UpAndDownTheSlopeHisFeetStayOnTheGround) {
    PlaceHero(198, world::FloorRowBelow(230, 440) - 64);
    const int bottom = HeroY;
    while (HeroX + 32 < 390) {
        const int before = HeroY;
        WalkRight(true, 2000);
        ASSERT_TRUE(StandsOn(HeroX + 32)) << "x " << HeroX;
        ASSERT_LE(HeroY, before);
    }
    EXPECT_LT(HeroY, bottom - 15) << "up the slope";
    while (HeroX + 31 > 230) {
        const int before = HeroY;
        WalkLeft(true);
        ASSERT_TRUE(StandsOn(HeroX + 31)) << "x " << HeroX;
        ASSERT_GE(HeroY, before);
    }
    EXPECT_GE(HeroY, bottom - 1);
}

// The ground in front of him on the cellar floor (720) repainted as a step up
// (rise > 0) or a drop (rise < 0): a step up lifts him by at most 19 pixels, a
// drop takes him down at once.
TEST_F(WalkingTest, ReSeatingLiftsHimAtMost19PixelsAndDropsHimAnyDistance) {
    struct Case {
        int rise, expectedY;
    };
    for (Case c : {Case{0, 656}, Case{5, 651}, Case{19, 637}, Case{20, 637}, Case{40, 637}, Case{-30, 686}}) {
        play_test::StartUpForPlay();
        PlaceHero(300, 656);
        const int column = 300 + 32 + 3;
        for (int y = 720 - 40; y < 760; ++y) {
            world::GroundMask.At(column, y) = y >= 720 - c.rise ? world::groundKey3 : world::groundKey0;
        }
        WalkRight(true, 2000);
        EXPECT_EQ(HeroX, 303) << "rise " << c.rise;
        EXPECT_EQ(HeroY, c.expectedY) << "rise " << c.rise;
    }
}

// Lift 1's shaft opens onto the floor at 456 from the left at x 1096; the
// lift's bottom stop puts its floor there (ypos 394).
TEST_F(WalkingTest, SteppingOntoAShaftOpeningFallsUnlessTheLiftStandsThere) {
    for (int liftY : {394, 34}) {
        PlaceHero(1061, 392);
        world::LiftList[0].ypos = liftY;
        ASSERT_EQ(world::GroundPixel(1096, 392 + 63), world::groundKey4);
        WalkRight(true, 2000);
        EXPECT_EQ(HeroX, 1064);
        EXPECT_EQ(HeroY, 392) << "lift at " << liftY;  // never re-seated in the shaft
        EXPECT_EQ(Falling, liftY == 394 ? 0 : 1) << "lift at " << liftY;
        EXPECT_EQ(OnLift, liftY == 394 ? 1 : 0) << "lift at " << liftY;
    }
}

TEST_F(WalkingTest, ALiftAlreadyCarryingHimIsNoFloorForAStep) {
    PlaceHero(1061, 392);
    RidingLift = 2;
    EXPECT_FALSE(HeroOverLift());
    RidingLift = 0;
    EXPECT_TRUE(HeroOverLift());
    HeroDir = 4;
    EXPECT_FALSE(HeroOverLift()) << "climbing, he is over no lift";
}

TEST_F(WalkingTest, TheStandingWallHoldsHimAt823HoweverHardHePushes) {
    for (int speed : {1, 2, 3}) {
        PlaceHero(840, 560);
        HeroSpeed = speed;
        for (int i = 0; i < 40; ++i) {
            WalkLeft(true);
            StopAtWall(false);
        }
        EXPECT_EQ(HeroX, 823) << "speed " << speed;
        EXPECT_EQ(HeroFrame, 0);
    }
    PlaceHero(840, 560);
    WallStrength = 0;
    for (int i = 0; i < 10; ++i) {
        WalkLeft(true);
        StopAtWall(false);
    }
    EXPECT_EQ(HeroX, 810) << "with the wall down he walks on";
}

TEST_F(WalkingTest, ChoppingTheWallCostsTheAxeTenLifeAtEachChoppingPicture) {
    PlaceHero(823, 560);
    HeroDir = 1;
    Carried = 3;
    CarriedAxeLife = 400;
    for (int frame = 0; frame < 17; ++frame) StopAtWall(true);
    EXPECT_EQ(Chopping, 1);
    EXPECT_EQ(PushFrame, 3);  // one picture on from 0 after 17 frames at delay 16.0
    EXPECT_EQ(CarriedAxeLife, 390);
    StopAtWall(false);
    EXPECT_EQ(Chopping, 0) << "letting go of fire stops the chopping";
    Carried = 0;
    StopAtWall(true);
    EXPECT_EQ(Chopping, 0) << "no axe, no chopping";
}

// Walking wears a carried axe a life a step, but walking left on the wall's
// floor never does.
TEST_F(WalkingTest, WalkingWearsTheAxeExceptWalkingLeftOnTheWallsFloor) {
    PlaceHero(300, 656);
    Carried = 3;
    CarriedAxeLife = 100;
    WalkRight(true, 2000);
    WalkLeft(true);
    EXPECT_EQ(CarriedAxeLife, 98);
    PlaceHero(880, 560);
    Carried = 3;
    CarriedAxeLife = 100;
    WalkLeft(true);
    EXPECT_EQ(HeroX, 877);
    EXPECT_EQ(CarriedAxeLife, 100);
}

TEST_F(WalkingTest, HeroX996ShowsTheRightHalfAnd995TheLeft) {
    for (int x : {995, 996}) {
        PlaceHero(x, 392);
        UpdateHero();
        EXPECT_EQ(world::ScreenHalf, x == 996 ? 1 : 0) << "HeroX " << x;
    }
}

}  // namespace
