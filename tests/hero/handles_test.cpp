// Handles on the real maze: the grab and let-go pictures, hanging still, and
// letting go into a minecart passing below.
#include <gtest/gtest.h>

#include "actors/hero_drawing.h"
#include "actors/hero_state.h"
#include "platform/platform.h"
#include "services/settings_values.h"
#include "services/sound.h"
#include "tests/hero/hero_support.h"
#include "tests/play/play_fixture.h"
#include "world/carts.h"
#include "world/game_progress.h"

namespace {

using namespace actors;
using hero_test::FrameShown;
using hero_test::HeroPlay;
using hero_test::Key;
using hero_test::PlaceHero;

// The handle over minecart 1's track at x 420: his probe column x + 32 meets
// it with HeroX 388 on the cellar floor.
constexpr int kUnderHandleX = 388;

// The run took its pictures with it: the prepared game draws the references.
std::vector<int> FramesShown(const shell::HeadlessResult& result, int count) {
    play_test::StartUpForPlay();
    std::vector<int> frames;
    for (int f = 0; f < count; ++f)
        frames.push_back(FrameShown(result.frameCaptures.at(f), kUnderHandleX, 658));
    return frames;
}

// Fire is pressed again during the grab (frame 5): it changes no phase.
TEST(HandlesScenario, FireAtAHandleGrabsItThrough40x4_41x5_42x2AndThenHangsAt42) {
    services::ResetSettingsValues();
    std::vector<int> phases;
    bool handleUp = false;
    HeroPlay play;
    play.script = "at 0 tap " + Key(services::KeyFire) + "\nat 5 tap " + Key(services::KeyFire);
    play.frames = 14;
    play.drawLevel = false;
    for (int f = 0; f < 12; ++f) play.captures.push_back(f);
    play.prepare = [] { PlaceHero(kUnderHandleX, 656); };
    play.observe = [&] {
        if (phases.empty()) handleUp = services::Sound::IsPlaying("HandleUp") == 1;
        phases.push_back(HangPhase);
    };
    shell::HeadlessResult result = hero_test::RunHeroPlay(play);
    ASSERT_EQ(result.ExitCode(), 0) << result.message;
    EXPECT_EQ(FramesShown(result, 12), (std::vector<int>{40, 40, 40, 40, 41, 41, 41, 41, 41, 42, 42, 42}));
    EXPECT_EQ(phases, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 3, 3}));
    EXPECT_TRUE(handleUp);
}

TEST(HandlesScenario, FireWhileHangingStillLetsGoThrough42x2_41x5_40x5AndHeStandsWhereHeHung) {
    services::ResetSettingsValues();
    HeroPlay play;
    play.script = "at 0 tap " + Key(services::KeyFire);
    play.frames = 14;
    play.drawLevel = false;
    for (int f = 0; f < 13; ++f) play.captures.push_back(f);
    play.prepare = [] {
        PlaceHero(kUnderHandleX, 656);
        Hanging = 1;
        HangPhase = 3;
    };
    shell::HeadlessResult result = hero_test::RunHeroPlay(play);
    ASSERT_EQ(result.ExitCode(), 0) << result.message;
    EXPECT_EQ(FramesShown(result, 12), (std::vector<int>{42, 42, 41, 41, 41, 41, 41, 40, 40, 40, 40, 40}));
    EXPECT_EQ(FrameShown(result.frameCaptures.at(12), kUnderHandleX, 656), 0) << "standing";
    EXPECT_EQ(shell::DumpValue(result.dump, "Hanging"), "0");
    EXPECT_EQ(shell::DumpValue(result.dump, "HangPhase"), "0");
    EXPECT_EQ(shell::DumpValue(result.dump, "HeroX"), std::to_string(kUnderHandleX));
    EXPECT_EQ(shell::DumpValue(result.dump, "HeroY"), "656");
    EXPECT_EQ(shell::DumpValue(result.dump, "InCart"), "0");
}

using HandlesTest = play_test::PlayFixture;

// He lets go over a cart whose top is level with his and whose span holds his
// centre column x + 32 = 420, edges included.
TEST_F(HandlesTest, LettingGoDropsHimIntoACartRightBelowHim) {
    struct Case {
        int cartX, cartY;
        bool boards;
    };
    for (Case c : {Case{380, 656, true}, Case{356, 656, true}, Case{420, 656, true}, Case{355, 656, false},
                   Case{421, 656, false}, Case{380, 654, false}}) {
        PlaceHero(kUnderHandleX, 656);
        hero_test::PutCart(c.cartX, c.cartY);
        Hanging = 1;
        HangPhase = 2;  // as fire leaves him when he hangs still
        HangCount = 12;
        for (int frame = 0; frame < 12; ++frame) DrawHero(0);
        EXPECT_EQ(Hanging, 0);
        EXPECT_EQ(InCart, c.boards ? 1 : 0) << "cart at " << c.cartX << ", " << c.cartY;
        EXPECT_EQ(world::CartList[0].ManInside, c.boards ? 5 : 0) << "cart at " << c.cartX << ", " << c.cartY;
    }
}

// The first boarding of a game shows the minecart panel first; its key wait
// is answered by the script.
TEST(HandlesScenario, TheFirstBoardingOfAGameStillPutsHimInTheCart) {
    services::ResetSettingsValues();
    HeroPlay play;
    play.script = "at 0 tap " + Key(services::KeyFire) + "\nidle tap Space";
    play.frames = 20;
    play.prepare = [] {
        PlaceHero(kUnderHandleX, 656);
        Hanging = 1;
        HangPhase = 3;
        world::FirstCartInfo = 1;
        hero_test::PutCart(380, 656);
    };
    shell::HeadlessResult result = hero_test::RunHeroPlay(play);
    ASSERT_EQ(result.ExitCode(), 0) << result.message;
    EXPECT_EQ(shell::DumpValue(result.dump, "InCart"), "1");
    EXPECT_EQ(shell::DumpValue(result.dump, "carts[0].ManInside"), "5");
}

// The sheet has no handle pictures for him seen from behind (after climbing):
// he grabs and hangs as a right-facing hero does.
TEST_F(HandlesTest, SeenFromBehindHeGrabsAndHangsFacingRight) {
    struct Case {
        int phase, count, expected;
    };
    for (Case c : {Case{1, 0, 40}, Case{1, 9, 42}, Case{2, 12, 42}, Case{2, 5, 40}, Case{3, 0, 42}}) {
        PlaceHero(kUnderHandleX, 656);
        HeroDir = 4;
        Hanging = 1;
        HangPhase = c.phase;
        HangCount = c.count;
        platform::ClearScreen();
        DrawHero(0);
        EXPECT_EQ(FrameShown(hero_test::Screen(), kUnderHandleX, 658), c.expected)
            << "phase " << c.phase << " count " << c.count;
    }
}

// Now and then (one frame in 60) he swings: frames 43 and 44 for
// HangAnimDelay + 1 = 11 frames each, then back to 42.
TEST_F(HandlesTest, HangingStillHeSwingsNowAndThenThroughFrames43And44) {
    PlaceHero(kUnderHandleX, 656);
    Hanging = 1;
    HangPhase = 3;
    platform::SeedRandom(7);
    std::vector<std::pair<int, int>> runs;  // picture and how many frames in a row
    for (int frame = 0; frame < 1200; ++frame) {
        DrawHero(0);
        const int picture = 42 + HeroFrame;
        if (runs.empty() || runs.back().first != picture)
            runs.push_back({picture, 1});
        else
            ++runs.back().second;
    }
    runs.pop_back();  // may be cut short
    int swings = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const int next = runs[i].first == 44 ? 42 : runs[i].first + 1;
        if (i + 1 < runs.size()) {
            EXPECT_EQ(runs[i + 1].first, next) << "run " << i;
        }
        if (runs[i].first != 42) {
            EXPECT_EQ(runs[i].second, 11) << "run " << i;
        }
        swings += runs[i].first == 44;
    }
    EXPECT_GT(swings, 3);
    EXPECT_EQ(HangPhase, 3);
}

}  // namespace
