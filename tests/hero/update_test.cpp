// The hero's update as a whole: when it takes no input, the speed tuning it
// leaves behind, and the animation steppers.
#include <gtest/gtest.h>

#include "actors/hero.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "services/settings_values.h"
#include "tests/hero/hero_support.h"
#include "tests/play/play_fixture.h"
#include "world/game_progress.h"
#include "world/lifts.h"

namespace {

using namespace actors;
using hero_test::HeroPlay;
using hero_test::Key;
using hero_test::PlaceHero;

// Right held at lift 1's shaft opening with no lift there, or fire pressed
// at the handle over the cellar track.
std::string Script(bool atShaft) {
    return atShaft ? "at 0 press " + Key(services::KeyRight) : "at 0 tap " + Key(services::KeyFire);
}

// A hero taking input would fall at the shaft or grab the handle.
TEST(UpdateScenario, WhileDyingCarriedByALiftOrDoneWithTheLevelHeTakesNoInput) {
    services::ResetSettingsValues();
    enum class Hold { Dying, Lift, LevelDone };
    for (Hold hold : {Hold::Dying, Hold::Lift, Hold::LevelDone}) {
        for (bool atShaft : {true, false}) {
            HeroPlay play;
            play.script = Script(atShaft);
            play.frames = 3;
            play.prepare = [=] {
                PlaceHero(atShaft ? 1061 : 388, atShaft ? 392 : 656);
                world::LiftList.clear();
                if (hold == Hold::Dying) world::Dying = 1;
                if (hold == Hold::Lift) RidingLift = 1;
                if (hold == Hold::LevelDone) LevelDone = 1;
            };
            const shell::HeadlessResult result = hero_test::RunHeroPlay(play);
            ASSERT_EQ(result.ExitCode(), 0) << result.message;
            const std::string what = std::string(atShaft ? "at the shaft" : "at the handle") + ", hold " +
                                     std::to_string(static_cast<int>(hold));
            EXPECT_EQ(shell::DumpValue(result.dump, "HeroX"), std::to_string(atShaft ? 1061 : 388)) << what;
            EXPECT_EQ(shell::DumpValue(result.dump, "Falling"), "0") << what;
            EXPECT_EQ(shell::DumpValue(result.dump, "Hanging"), "0") << what;
            EXPECT_EQ(shell::DumpValue(result.dump, "HeroMoving"), "0") << what;
            EXPECT_EQ(shell::DumpValue(result.dump, "ScreenHalf"), atShaft ? "1" : "0") << what;
        }
    }
}

// The same situations with nothing holding him back: he falls and he grabs.
TEST(UpdateScenario, ALiveHeroAtTheShaftFallsAndAtTheHandleGrabs) {
    services::ResetSettingsValues();
    for (bool atShaft : {true, false}) {
        HeroPlay play;
        play.script = Script(atShaft);
        play.frames = 40;  // the fall takes its frames
        play.prepare = [=] {
            PlaceHero(atShaft ? 1061 : 388, atShaft ? 392 : 656);
            world::LiftList.clear();
        };
        const shell::HeadlessResult result = hero_test::RunHeroPlay(play);
        ASSERT_EQ(result.ExitCode(), 0) << result.message;
        if (atShaft)
            EXPECT_EQ(shell::DumpValue(result.dump, "Dying"), "1");
        else
            EXPECT_EQ(shell::DumpValue(result.dump, "Hanging"), "1");
    }
}

using UpdateTest = play_test::PlayFixture;

TEST_F(UpdateTest, EveryUpdateSetsTheTuningFromHisSpeed) {
    struct Case {
        int speed;
        double walk, pose, push, hang;
        int step;
    };
    for (Case c : {Case{1, 12.0, 24.0, 16.0, 20.0, 20}, Case{2, 9.0, 18.0, 16.0, 15.0, 15},
                   Case{3, 6.0, 12.0, 16.0, 10.0, 10}}) {
        PlaceHero(300, 656);
        HeroSpeed = c.speed;
        UpdateHero();
        EXPECT_EQ(WalkAnimDelay, c.walk) << "speed " << c.speed;
        EXPECT_EQ(PoseAnimDelay, c.pose) << "speed " << c.speed;
        EXPECT_EQ(PushAnimDelay, c.push) << "speed " << c.speed;
        EXPECT_EQ(HangAnimDelay, c.hang) << "speed " << c.speed;
        EXPECT_EQ(StepInterval, c.step) << "speed " << c.speed;
    }
    HeroSpeed = 7;
    UpdateHero();
    EXPECT_EQ(WalkAnimDelay, 6.0) << "a speed with no row leaves the tuning as it was";
    EXPECT_EQ(StepInterval, 10);
}

// A walking frame lasts WalkAnimDelay + 1 frames: 7 at speed 3, 13 at speed 1.
TEST_F(UpdateTest, TheWalkingFrameCyclesEvenStandingStill7FramesEachAtSpeed3And13AtSpeed1) {
    for (int speed : {3, 1}) {
        PlaceHero(300, 656);
        HeroSpeed = speed;
        UpdateHero();  // sets the tuning for this speed
        HeroFrame = HeroAnimTimer = 0;
        std::vector<int> changes;
        for (int frame = 1; frame <= 60; ++frame) {
            const int before = HeroFrame;
            UpdateHero();
            if (HeroFrame != before) changes.push_back(frame);
        }
        const int every = speed == 3 ? 7 : 13;
        std::vector<int> expected;
        for (int f = every; f <= 60; f += every) expected.push_back(f);
        EXPECT_EQ(changes, expected) << "speed " << speed;
        EXPECT_EQ(HeroX, 300);
    }
}

TEST_F(UpdateTest, TheAxeWornOutByWalkingIsGoneAndHisSpeedBack) {
    PlaceHero(300, 656);
    Carried = 3;
    HeroSpeed = 2;
    CarriedAxeLife = -1;
    UpdateHero();
    EXPECT_EQ(Carried, 0);
    EXPECT_EQ(CarriedAxeLife, 0);
    EXPECT_EQ(HeroSpeed, 3);
}

TEST_F(UpdateTest, ThePushingStepperCountsTheWheelDownAndTheHangingSwingEndsItself) {
    PlaceHero(300, 32);
    PushFrame = 0;
    std::vector<int> wheel;
    for (int i = 0; i < 4 * 17; ++i) {
        StepPushAnim();
        if (PushTimer == 0) wheel.push_back(PushFrame);
    }
    EXPECT_EQ(wheel, (std::vector<int>{3, 2, 1, 0}));
    HangIdle = 1;
    HeroFrame = 0;
    for (int i = 0; i < 3 * 11; ++i) StepHangIdleAnim();
    EXPECT_EQ(HeroFrame, 0);
    EXPECT_EQ(HangIdle, 0);
}

}  // namespace
