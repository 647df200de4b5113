// The hero tests' shared set-up, pictures and play frames.
#include "tests/hero/hero_support.h"

#include "actors/elves.h"
#include "actors/hero.h"
#include "actors/hero_drawing.h"
#include "actors/hero_state.h"
#include "actors/items.h"
#include "assets/asset_names.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "shell/hero_fall.h"
#include "shell/hud.h"
#include "shell/startup.h"
#include "world/carts.h"
#include "world/game_progress.h"
#include "world/ladders.h"
#include "world/level_tables.h"
#include "world/lifts.h"

namespace hero_test {

void PlaceHero(int x, int y) {
    using namespace actors;
    world::LoadLadders();
    world::LoadLifts();
    world::CartList.clear();
    ElfList.clear();
    ItemList.clear();
    HeroX = x;
    HeroY = y;
    HeroDir = HeroFrame = HeroAnimTimer = HeroMoving = 0;
    HeroSpeed = 3;
    Falling = Hanging = HangPhase = HangCount = HangIdle = 0;
    InCart = CartLock = CartExitGrace = RidingLift = OnLift = 0;
    LiftTurn = 0.0;
    StepTimer = StepToggle = 0;
    // The speed-3 tuning, as every UpdateHero leaves it.
    WalkAnimDelay = 6.0;
    PoseAnimDelay = 12.0;
    PushAnimDelay = 16.0;
    HangAnimDelay = 10.0;
    StepInterval = 10;
    Carried = CarriedAxeLife = Chopping = PushingBarrow = LevelDone = 0;
    PushFrame = PushTimer = 0;
    BarrowX = world::BarrowStartX[0];
    BarrowY = world::BarrowStartY;
    PackagesLeft = 1;
    WallStrength = 5;
    world::Dying = 0;
    world::FirstCartInfo = 0;
}

void PutCart(int x, int y) {
    world::carts cart;
    cart.xmin = 64;
    cart.xmax = 1248;
    cart.xpos = x;
    cart.ypos = y;
    cart.speed = 2;
    world::CartList.push_back(cart);
}

platform::Pixels Screen() {
    return dynamic_cast<platform::HeadlessBackend&>(platform::CurrentBackend()).Capture();
}

int FrameShown(const platform::Pixels& screen, int x, int y) {
    platform::ClearScreen();
    if (Screen().argb == screen.argb) return -1;  // nothing shown
    for (int frame = 0; frame < 70; ++frame) {
        platform::ClearScreen();
        platform::DrawFrame(assets::kHeroSheet, x, y, frame);
        if (Screen().argb == screen.argb) return frame;
    }
    return -1;
}

shell::HeadlessResult RunHeroPlay(const HeroPlay& play) {
    shell::HeadlessRun run;
    run.script = play.script;
    run.frameLimit = play.frames;
    run.captures = play.captures;
    run.captureDir = play.captureDir;
    run.program = [&play] {
        for (const shell::Step& step : shell::StartUpSteps()) step.run();
        if (play.prepare) play.prepare();
        for (;;) {
            platform::ClearScreen();
            actors::UpdateHero();
            if (play.drawLevel) shell::DrawLevelAndHud();
            if (play.furniture) play.furniture();
            actors::DrawHero(0);
            shell::RunHeroFall();
            if (play.observe) play.observe();
            platform::ShowFrame();
        }
    };
    return shell::RunHeadless(run);
}

std::string Key(int code) { return std::to_string(code); }

}  // namespace hero_test
