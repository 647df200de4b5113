// Getting out of a minecart on the real maze: the three exits, what refuses
// them, the clicks of a held control, and the fire presses made in the cart.
#include <gtest/gtest.h>

#include "actors/hero_moves.h"
#include "actors/hero_state.h"
#include "platform/platform.h"
#include "services/settings_values.h"
#include "tests/hero/hero_support.h"
#include "tests/play/play_fixture.h"
#include "world/carts.h"
#include "world/terrain_state.h"

namespace {

using namespace actors;
using hero_test::HeroPlay;
using hero_test::Key;
using hero_test::PlaceHero;
using CartExitsTest = play_test::PlayFixture;

// Riding minecart 1 on the cellar track with his top-left at (x, 656).
void RideCart(int x) {
    PlaceHero(x, 656);
    hero_test::PutCart(x, 656);
    world::CartList[0].ManInside = 5;
    InCart = 1;
}

TEST_F(CartExitsTest, LeftRightAndUpTheLadderEachGetHimOut) {
    struct Case {
        int cartX;
        bool left, right, up;
        int x, y, dir;
    };
    // Ladder 7 crosses the cellar track at x 922: centred on it he is at 909.
    for (Case c : {Case{500, true, false, false, 484, 656, 1}, Case{500, false, true, false, 516, 656, 0},
                   Case{909, false, false, true, 909, 640, 4}, Case{500, true, true, true, 484, 656, 1}}) {
        RideCart(c.cartX);
        LeaveCart(c.left, c.right, c.up);
        EXPECT_EQ(InCart, 0) << "from " << c.cartX;
        EXPECT_EQ(HeroX, c.x) << "from " << c.cartX;
        EXPECT_EQ(HeroY, c.y) << "from " << c.cartX;
        EXPECT_EQ(HeroDir, c.dir) << "from " << c.cartX;
        EXPECT_EQ(HeroMoving, 1);
        EXPECT_EQ(CartExitGrace, 15);
        EXPECT_EQ(world::CartList[0].ManInside, 0);
    }
}

TEST_F(CartExitsTest, UpIsNoWayOutWithoutALadderAndNothingHeldStaysIn) {
    RideCart(500);
    LeaveCart(false, false, true);
    LeaveCart(false, false, false);
    EXPECT_EQ(InCart, 1);
    EXPECT_EQ(HeroY, 656);
    EXPECT_EQ(world::CartList[0].ManInside, 5);
}

// The first held control chooses the exit: rock on its side keeps him in,
// even with a free way held too.
TEST_F(CartExitsTest, RockBesideTheCartRefusesThatExitAndNoOtherIsTried) {
    RideCart(500);
    world::GroundMask.At(500 - 32, 656 + 32) = world::groundKey3;
    LeaveCart(true, true, false);
    EXPECT_EQ(InCart, 1);
    EXPECT_EQ(HeroX, 500);
    LeaveCart(false, true, false);
    EXPECT_EQ(InCart, 0);
    EXPECT_EQ(HeroX, 516);
}

TEST_F(CartExitsTest, TheLockKeepsHimInUntilTheCartsHaveCountedItDown) {
    RideCart(500);
    CartLock = 1;
    LeaveCart(true, false, false);
    EXPECT_EQ(InCart, 1);
    EXPECT_EQ(CartLock, 1) << "the carts count the lock down, not the exits";
    CartLock = 0;
    LeaveCart(true, false, false);
    EXPECT_EQ(InCart, 0);
}

// A held control clicks at once and then every 40 frames, blocked or not.
TEST_F(CartExitsTest, AHeldControlClicksEvery40FramesWithTheSoundOn) {
    for (int soundOn : {1, 0}) {
        RideCart(500);
        CartLock = 1000;
        services::SoundOn = soundOn;
        std::vector<int> clicks;
        for (int frame = 0; frame < 100; ++frame) {
            const int before = CartKeyDelay;
            LeaveCart(true, false, false);
            if (CartKeyDelay == 40 && before != 40) clicks.push_back(frame);
        }
        const std::vector<int> expected = soundOn == 1 ? std::vector<int>{0, 40, 80} : std::vector<int>{};
        EXPECT_EQ(clicks, expected) << "sound " << soundOn;
    }
}

// Three presses of fire in the cart, then out to the right (frame 4) right
// under the handle at x 420: on the next frame the presses give one grab.
TEST(CartExitsScenario, FirePressedThreeTimesInACartGivesOneActionOnTheFrameAfterHeGetsOut) {
    services::ResetSettingsValues();
    const std::string fire = Key(services::KeyFire);
    HeroPlay play;
    play.script = "at 0 tap " + fire + "\nat 1 tap " + fire + "\nat 2 tap " + fire + "\nat 4 press " +
                  Key(services::KeyRight) + "\nat 5 release " + Key(services::KeyRight);
    play.frames = 24;
    std::vector<int> inCart, hanging;
    int hitsLeft = -1;
    play.prepare = [] { RideCart(378); };
    play.observe = [&] {
        inCart.push_back(InCart);
        hanging.push_back(HangPhase);
        if (inCart.size() == 7) hitsLeft = platform::KeyHitCount(services::KeyFire);
    };
    shell::HeadlessResult result = hero_test::RunHeroPlay(play);
    ASSERT_EQ(result.ExitCode(), 0) << result.message;
    EXPECT_EQ(std::vector<int>(inCart.begin(), inCart.begin() + 6), (std::vector<int>{1, 1, 1, 1, 0, 0}));
    // Grabbing from frame 5, hanging still from frame 15 and not let go by a leftover press.
    std::vector<int> expected(24, 3);
    std::fill(expected.begin(), expected.begin() + 5, 0);
    std::fill(expected.begin() + 5, expected.begin() + 15, 1);
    EXPECT_EQ(hanging, expected);
    EXPECT_EQ(hitsLeft, 0) << "the one read took all three presses";
}

}  // namespace
