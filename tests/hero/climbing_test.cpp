// Climbing the real ladders: up and down, centring, and the drop-off at the
// foot of the broken ladder.
#include <gtest/gtest.h>

#include "actors/hero.h"
#include "actors/hero_drawing.h"
#include "actors/hero_moves.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "platform/platform.h"
#include "tests/hero/hero_support.h"
#include "tests/play/play_fixture.h"
#include "world/ladders.h"

namespace {

using namespace actors;
using hero_test::PlaceHero;
using ClimbingTest = play_test::PlayFixture;

// Ladder 2 (x 154, 36 wide) runs from the top floor (96) down to the cellar
// (720); a hero is centred on it at x 154 - 13 = 141.
TEST_F(ClimbingTest, HeClimbsLadder2FromTheCellarToTheTopFloorAndBackCentringOnIt) {
    for (int speed : {1, 2, 3}) {
        PlaceHero(146, 656);  // five pixels right of the ladder's centre
        HeroSpeed = speed;
        std::vector<int> xs;
        for (int frame = 0; frame < 1000; ++frame) {
            const int before = HeroY;
            HeroMoving = 0;
            ClimbUp(true);
            if (HeroMoving == 0) break;
            ASSERT_EQ(HeroY, before - speed);
            if (xs.size() < 6) xs.push_back(HeroX);
        }
        EXPECT_EQ(xs, (std::vector<int>{145, 144, 143, 142, 141, 141})) << "speed " << speed;
        EXPECT_EQ(HeroDir, 4);
        EXPECT_LE(HeroY, 96 - 64) << "speed " << speed;
        for (int frame = 0; frame < 1000; ++frame) {
            HeroMoving = 0;
            ClimbDown(true);
            if (HeroMoving == 0) break;
        }
        EXPECT_GT(HeroY, 656 - speed) << "speed " << speed;
        EXPECT_LE(HeroY, 656) << "speed " << speed;
        EXPECT_EQ(HeroX, 141);
        EXPECT_EQ(Falling, 0);
    }
}

TEST_F(ClimbingTest, NoClimbingWhilePushingTheWheelbarrowOrWithTheControlUp) {
    PlaceHero(141, 656);
    ClimbUp(false);
    EXPECT_EQ(HeroY, 656);
    PushingBarrow = 1;
    ClimbUp(true);
    EXPECT_EQ(HeroY, 656);
    EXPECT_EQ(HeroMoving, 0);
}

TEST_F(ClimbingTest, CentringMovesHimOnePixelPerLadderHisFootPointLiesIn) {
    PlaceHero(150, 400);  // on ladder 2, nine pixels right of its centre
    CentreOnLadder();
    EXPECT_EQ(HeroX, 149);
    PlaceHero(132, 400);
    CentreOnLadder();
    EXPECT_EQ(HeroX, 133);
    PlaceHero(300, 400);  // beside every ladder
    CentreOnLadder();
    EXPECT_EQ(HeroX, 300);
    PlaceHero(150, 400);
    Falling = 1;
    CentreOnLadder();
    EXPECT_EQ(HeroX, 150) << "no centring while he falls";
}

// Ladder 4 (x 562) reaches down from the top floor past the cart track at 240
// and breaks off over a drop-off.
TEST_F(ClimbingTest, ClimbingDownOntoTheDropOffFacesHimRightAndHisFallIsDrawn16PixelsRight) {
    PlaceHero(549, 32);
    HeroFrame = 2;
    HeroAnimTimer = 3;
    PushFrame = 2;
    PushTimer = 5;
    for (int i = 0; i < 200 && Falling == 0; ++i) {
        HeroMoving = 0;
        ClimbDown(true);
        ASSERT_EQ(HeroMoving, 1) << "stuck at y " << HeroY;
    }
    ASSERT_EQ(Falling, 1);
    EXPECT_EQ(HeroDir, 0);
    EXPECT_EQ(HeroFrame, 0);
    EXPECT_EQ(HeroAnimTimer, 0);
    EXPECT_EQ(PushFrame, 0);
    EXPECT_EQ(PushTimer, 0);
    const int x = HeroX, y = HeroY;
    platform::ClearScreen();
    DrawHero(2);
    EXPECT_EQ(hero_test::FrameShown(hero_test::Screen(), x + 16, y), 55);
    EXPECT_EQ(HeroX, x) << "the offset moves the picture, never HeroX";
}

}  // namespace
