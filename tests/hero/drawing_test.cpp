// The hero's pictures: standing and walking rows, the axe rows, chopping, the
// turn on a lift, the dying pose.
#include <gtest/gtest.h>

#include "actors/hero_drawing.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "platform/platform.h"
#include "services/sound.h"
#include "tests/hero/hero_support.h"
#include "tests/play/play_fixture.h"
#include "world/game_progress.h"
#include "world/lifts.h"
#include "world/view.h"

namespace {

using namespace actors;
using hero_test::FrameShown;
using hero_test::PlaceHero;
using hero_test::Screen;
using DrawingTest = play_test::PlayFixture;

int DrawnAt(int mode, int x, int y) {
    platform::ClearScreen();
    DrawHero(mode);
    return FrameShown(Screen(), x, y);
}

TEST_F(DrawingTest, StandingShowsTheFirstFrameOfHisRowAndWalkingTheCurrentOne) {
    struct Case {
        int dir, carried, moving, frame, expected;
    };
    for (Case c : {Case{0, 0, 0, 2, 0}, Case{1, 0, 0, 2, 5}, Case{4, 0, 0, 2, 20}, Case{0, 3, 0, 2, 25},
                   Case{1, 3, 0, 2, 30}, Case{0, 0, 1, 2, 2}, Case{1, 0, 1, 3, 8}, Case{4, 0, 1, 1, 21},
                   Case{0, 3, 1, 3, 28}, Case{1, 3, 1, 1, 31}, Case{4, 3, 1, 1, 21}, Case{0, 3, 1, 4, 25}}) {
        PlaceHero(300, 656);
        HeroDir = c.dir;
        Carried = c.carried;
        HeroMoving = c.moving;
        HeroFrame = c.frame;
        EXPECT_EQ(DrawnAt(0, 300, 656), c.expected)
            << "dir " << c.dir << " carrying " << c.carried << " moving " << c.moving << " frame " << c.frame;
    }
}

// Once per walking cycle, on the last frame of the picture before the first.
TEST_F(DrawingTest, TheTrailingAxeKnocksTheFloorOncePerWalkingCycle) {
    struct Case {
        int carried, moving, frame, timer;
        bool knocks;
    };
    for (Case c : {Case{3, 1, 3, 5, true}, Case{3, 1, 3, 4, false}, Case{3, 1, 2, 5, false},
                   Case{3, 0, 3, 5, false}, Case{0, 1, 3, 5, false}}) {
        PlaceHero(300, 656);
        Carried = c.carried;
        HeroMoving = c.moving;
        HeroFrame = c.frame;
        HeroAnimTimer = c.timer;
        services::Sound::Stop("FloorAxeHit");
        DrawHero(0);
        EXPECT_EQ(services::Sound::IsPlaying("FloorAxeHit"), c.knocks ? 1 : 0)
            << "carrying " << c.carried << " moving " << c.moving << " frame " << c.frame << " timer "
            << c.timer;
    }
}

TEST_F(DrawingTest, OnTheRightHalfHeIsDrawn1024PixelsFurtherLeft) {
    PlaceHero(1300, 392);
    world::ScreenHalf = 1;
    EXPECT_EQ(DrawnAt(0, 276, 392), 0);
}

TEST_F(DrawingTest, ChoppingShowsTheChoppingPictureOfTheWheelFrameAndNothingElse) {
    for (int pushFrame : {0, 1, 2, 3}) {
        PlaceHero(823, 560);
        HeroDir = 1;
        Carried = 3;
        Chopping = 1;
        PushFrame = pushFrame;
        EXPECT_EQ(DrawnAt(0, 823, 560), 16 + pushFrame);
    }
}

TEST_F(DrawingTest, InACartHeIsNotDrawnAndPushingKeepsTheWheelbarrowInHisHands) {
    PlaceHero(300, 656);
    InCart = 1;
    platform::ClearScreen();
    const platform::Pixels empty = Screen();
    DrawHero(0);
    EXPECT_EQ(Screen().argb, empty.argb);
    PlaceHero(300, 32);
    PushingBarrow = 1;
    DrawHero(0);
    EXPECT_EQ(BarrowX, 336);
}

// Lift 1 (centre 1120) carries him 20 pixels right of its middle; the turn
// picture is drawn two pixels right of him.
TEST_F(DrawingTest, ALiftCentringHimTurnsHimTowardsTheViewerAndCentredHeFacesIt) {
    for (int dir : {0, 1, 4}) {
        PlaceHero(1068, 392);
        world::ScreenHalf = 1;
        world::LiftList[0].pause = 0;
        RidingLift = 1;
        OnLift = 1;
        HeroDir = dir;
        std::vector<int> frames;
        for (int frame = 0; frame < 22; ++frame) {
            platform::ClearScreen();
            DrawHero(0);
            frames.push_back(FrameShown(Screen(), HeroX - 1024 + 2, 392));
        }
        // 0.075 a frame: the first frame of the row for 13 frames, the next
        // one for six, then the last one once centred.
        const int row = dir == 1 ? 65 : 60;  // seen from behind he turns as from facing right
        std::vector<int> expected(13, row);
        expected.insert(expected.end(), 6, row + 1);
        expected.insert(expected.end(), 3, row + 4);
        EXPECT_EQ(frames, expected) << "dir " << dir;
        EXPECT_EQ(HeroX + 32, 1120);
        EXPECT_EQ(LiftTurn, 4.0);
    }
}

TEST_F(DrawingTest, APausedLiftOrADyingHeroIsNotCentred) {
    PlaceHero(1068, 392);
    RidingLift = 1;
    world::LiftList[0].pause = 10;
    DrawHero(0);
    EXPECT_EQ(HeroX, 1068);
    world::LiftList[0].pause = 0;
    world::Dying = 1;
    DrawHero(0);
    EXPECT_EQ(HeroX, 1068);
    EXPECT_EQ(LiftTurn, 0.0);
}

// He lies ten pixels to the side he faced; seen from behind (after climbing)
// he is turned to face right first, so he lies where a right-facing hero lies.
TEST_F(DrawingTest, TheDyingPoseLiesTenPixelsToHisSideAndClimbingCountsAsFacingRight) {
    struct Case {
        int dir, x, frame, dirAfter;
    };
    for (Case c : {Case{0, 310, 35, 0}, Case{1, 290, 50, 1}, Case{4, 310, 35, 0}}) {
        PlaceHero(300, 656);
        HeroDir = c.dir;
        EXPECT_EQ(DrawnAt(1, c.x, 656), c.frame) << "dir " << c.dir;
        EXPECT_EQ(HeroDir, c.dirAfter);
    }
}

// The dazed pictures cycle 35-39 at PoseAnimDelay (12.0 at speed 3).
TEST_F(DrawingTest, TheDyingPoseCyclesFivePicturesEvery13Frames) {
    PlaceHero(300, 656);
    std::vector<int> frames;
    for (int frame = 0; frame < 66; ++frame)
        if (frame % 13 == 0)
            frames.push_back(DrawnAt(1, 310, 656));
        else
            DrawHero(1);
    EXPECT_EQ(frames, (std::vector<int>{35, 36, 37, 38, 39, 35}));
}

}  // namespace
