// The controls through real input: held keys in headless play frames.
#include <gtest/gtest.h>

#include "actors/hero_state.h"
#include "actors/items.h"
#include "services/settings_values.h"
#include "services/sound.h"
#include "tests/hero/hero_support.h"

namespace {

using namespace actors;
using hero_test::HeroPlay;
using hero_test::Key;
using hero_test::PlaceHero;
using hero_test::RunHeroPlay;

TEST(ControlsScenario, RightAndLeftHeldTogetherStepBothWaysWithTwoFootstepCounts) {
    services::ResetSettingsValues();
    std::vector<int> xs, dirs, stepTimers;
    HeroPlay play;
    play.script = "at 1 press " + Key(services::KeyRight) + "\nat 1 press " + Key(services::KeyLeft);
    play.frames = 4;
    play.prepare = [] { PlaceHero(300, 656); };
    play.observe = [&] {
        xs.push_back(HeroX);
        dirs.push_back(HeroDir);
        stepTimers.push_back(StepTimer);
    };
    ASSERT_EQ(RunHeroPlay(play).ExitCode(), 0);
    EXPECT_EQ(xs, (std::vector<int>{300, 300, 300, 300}));
    EXPECT_EQ(dirs, (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(stepTimers, (std::vector<int>{0, 2, 4, 6}));
}

// Frames, counted from the first frame held, on which a footstep sounds.
struct FootstepRun {
    std::vector<int> frames;
    std::vector<int> toggles;
    bool namesAlternate = true;
};

FootstepRun Footsteps(int speed, int carried) {
    FootstepRun out;
    int frame = 0, toggle = 0;
    HeroPlay play;
    play.script = "at 0 press " + Key(services::KeyRight);
    play.frames = 70;
    play.prepare = [&] {
        PlaceHero(84, 656);
        Carried = carried;
        HeroSpeed = speed;
    };
    play.observe = [&] {
        ++frame;
        if (StepToggle == toggle) return;
        toggle = StepToggle;
        out.frames.push_back(frame);
        out.toggles.push_back(toggle);
        const char* sounding = toggle == 0 ? "SnowStep1SND" : "SnowStep2SND";
        out.namesAlternate &= services::Sound::IsPlaying(sounding) == 1;
        services::Sound::Stop(sounding);
    };
    EXPECT_EQ(RunHeroPlay(play).ExitCode(), 0);
    return out;
}

// The first frame still paces by the tuning the set-up left; from then on the
// tuning follows his speed.
TEST(ControlsScenario, FootstepsSoundEvery11FramesAtSpeed3And21AtSpeed1Alternating) {
    services::ResetSettingsValues();
    FootstepRun fast = Footsteps(3, 0);
    EXPECT_EQ(fast.frames, (std::vector<int>{11, 22, 33, 44, 55, 66}));
    EXPECT_EQ(fast.toggles, (std::vector<int>{1, 0, 1, 0, 1, 0}));
    EXPECT_TRUE(fast.namesAlternate);
    FootstepRun slow = Footsteps(1, 2);
    EXPECT_EQ(slow.frames, (std::vector<int>{21, 42, 63}));
    EXPECT_TRUE(slow.namesAlternate);
}

TEST(ControlsScenario, WithSoundOffFootstepsCountNothing) {
    services::ResetSettingsValues();
    int stepTimer = -1;
    HeroPlay play;
    play.script = "at 0 press " + Key(services::KeyRight);
    play.frames = 20;
    play.prepare = [] {
        PlaceHero(84, 656);
        services::SoundOn = 0;
    };
    play.observe = [&] { stepTimer = StepTimer; };
    ASSERT_EQ(RunHeroPlay(play).ExitCode(), 0);
    EXPECT_EQ(stepTimer, 0);
}

// The top floor runs to the world's right edge. With every present in but
// one still in his hands he cannot pass 2000; with empty hands he walks on
// past 2010, and pushing the wheelbarrow there finishes the level.
TEST(ControlsScenario, TheRightHandLimitRisesOnlyOnceHisHandsAreEmpty) {
    services::ResetSettingsValues();
    struct Case {
        int carried, pushing, endX, levelDone;
    };
    for (Case c : {Case{1, 0, 2001, 0}, Case{0, 0, 2013, 0}, Case{0, 1, 2013, 1}}) {
        int levelDone = -1, endX = -1;
        HeroPlay play;
        play.script = "at 0 press " + Key(services::KeyRight);
        play.frames = 20;
        play.prepare = [c] {
            PlaceHero(1980, 32);
            PackagesLeft = 0;
            Carried = c.carried;
            PushingBarrow = c.pushing;
        };
        play.observe = [&] {
            endX = HeroX;
            levelDone = LevelDone;
        };
        ASSERT_EQ(RunHeroPlay(play).ExitCode(), 0);
        EXPECT_EQ(endX, c.endX) << "carrying " << c.carried;
        EXPECT_EQ(levelDone, c.levelDone) << "carrying " << c.carried << ", pushing " << c.pushing;
    }
}

}  // namespace
