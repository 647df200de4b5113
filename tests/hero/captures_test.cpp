// Pictures of the hero in play, written to captures/ in the build tree for
// looking at: walking, climbing, hanging, chopping, the lift turn, dying and
// falling.
#include <gtest/gtest.h>

#include <filesystem>

#include "actors/cart_rides.h"
#include "actors/hero_drawing.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "actors/lift_rides.h"
#include "platform/platform.h"
#include "services/settings_values.h"
#include "shell/hud.h"
#include "tests/hero/hero_support.h"
#include "tests/play/play_fixture.h"
#include "world/lifts.h"
#include "world/view.h"

namespace {

using namespace actors;
using hero_test::HeroPlay;
using hero_test::Key;
using hero_test::PlaceHero;

struct Shot {
    std::string name;
    std::string script;  // {R} {L} {U} {D} {F}: the controls
    std::function<void()> prepare;
    std::vector<int> frames;
    std::function<void()> furniture = {};
};

std::string Controls(std::string script) {
    const std::pair<const char*, int> keys[] = {{"{R}", services::KeyRight},
                                                {"{L}", services::KeyLeft},
                                                {"{U}", services::KeyUp},
                                                {"{D}", services::KeyDown},
                                                {"{F}", services::KeyFire}};
    for (const auto& [name, code] : keys)
        for (auto at = script.find(name); at != std::string::npos; at = script.find(name))
            script.replace(at, 3, Key(code));
    return script;
}

TEST(HeroCaptures, PlayFrames) {
    services::ResetSettingsValues();
    const Shot shots[] = {
        {"walking_right", "at 0 press {R}", [] { PlaceHero(240, 656); }, {9, 12}},
        {"walking_left_with_axe",
         "at 0 press {L}",
         [] {
             PlaceHero(600, 656);
             Carried = 3;
             CarriedAxeLife = 400;
             HeroSpeed = 2;
         },
         {9, 25}},
        {"climbing", "at 0 press {U}", [] { PlaceHero(141, 656); }, {30, 37}},
        {"grabbing_and_hanging", "at 0 tap {F}", [] { PlaceHero(388, 656); }, {3, 8, 14}},
        {"chopping",
         "at 0 press {F}",
         [] {
             PlaceHero(823, 560);
             HeroDir = 1;
             Carried = 3;
             CarriedAxeLife = 400;
         },
         {4, 20, 37, 54}},
        {"lift_turn",
         "",
         [] {
             PlaceHero(1068, 392);
             RidingLift = 1;
             OnLift = 1;
         },
         {2, 16, 24},
         [] { UpdateLifts(); }},
        {"falling_down_lift_1s_shaft",
         "at 0 press {R}",
         [] {
             PlaceHero(1061, 392);
             world::LiftList[0].ypos = 34;
         },
         {2, 8, 14}},
        {"falling_off_ladder_4", "at 0 press {D}", [] { PlaceHero(549, 32); }, {50, 60, 80}},
    };
    std::filesystem::create_directories("captures");
    for (const Shot& shot : shots) {
        HeroPlay play;
        play.script = Controls(shot.script);
        play.prepare = shot.prepare;
        play.furniture = shot.furniture;
        play.captures = shot.frames;
        play.frames = shot.frames.back() + 1;
        shell::HeadlessResult result = hero_test::RunHeroPlay(play);
        ASSERT_EQ(result.ExitCode(), 0) << shot.name << ": " << result.message;
        for (int frame : shot.frames) {
            ASSERT_TRUE(result.frameCaptures.count(frame)) << shot.name << " frame " << frame;
            const std::string path = "captures/" + shot.name + "_" + std::to_string(frame) + ".png";
            EXPECT_TRUE(platform::WritePngRgb(result.frameCaptures.at(frame), path)) << path;
        }
    }
}

using HeroCapturesOfTheDyingPose = play_test::PlayFixture;

TEST_F(HeroCapturesOfTheDyingPose, FacingEitherWay) {
    std::filesystem::create_directories("captures");
    for (int dir : {0, 1}) {
        PlaceHero(300, 656);
        HeroDir = dir;
        for (int frame = 0; frame < 40; ++frame) {
            platform::ClearScreen();
            shell::DrawLevelAndHud();
            DrawHero(1);
        }
        const std::string path = "captures/dying_" + std::string(dir == 0 ? "right" : "left") + ".png";
        EXPECT_TRUE(platform::WritePngRgb(hero_test::Screen(), path)) << path;
    }
}

}  // namespace
