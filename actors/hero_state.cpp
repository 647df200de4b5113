// The hero's state: all zero until a level set-up places him.
#include "actors/hero_state.h"

#include "platform/dump_format.h"

namespace actors {

int HeroX, HeroY, HeroDir, HeroSpeed, HeroMoving, HeroFrame, HeroAnimTimer;
int Falling;
int Hanging, HangPhase, HangCount, HangIdle;
int InCart, CartKeyDelay, CartLock, CartExitGrace;
int RidingLift, OnLift;
double LiftTurn;
int StepTimer, StepToggle;
double WalkAnimDelay, PoseAnimDelay, PushAnimDelay, HangAnimDelay;
int StepInterval;
int AxeRowBase;

namespace {

void ResetHeroState() {
    for (int* v : {&HeroX, &HeroY, &HeroDir, &HeroSpeed, &HeroMoving, &HeroFrame, &HeroAnimTimer, &Falling,
                   &Hanging, &HangPhase, &HangCount, &HangIdle, &InCart, &CartKeyDelay, &CartLock,
                   &CartExitGrace, &RidingLift, &OnLift, &StepTimer, &StepToggle, &StepInterval, &AxeRowBase})
        *v = 0;
    for (double* v : {&LiftTurn, &WalkAnimDelay, &PoseAnimDelay, &PushAnimDelay, &HangAnimDelay}) *v = 0.0;
}

const platform::StateRegistration kRegistration([] {
    struct Int {
        const char* name;
        const int& variable;
    };
    for (const Int& v : {Int{"HeroX", HeroX}, Int{"HeroY", HeroY}, Int{"HeroDir", HeroDir},
                         Int{"HeroSpeed", HeroSpeed}, Int{"HeroMoving", HeroMoving}, Int{"HeroFrame", HeroFrame},
                         Int{"HeroAnimTimer", HeroAnimTimer}, Int{"Falling", Falling}, Int{"Hanging", Hanging},
                         Int{"HangPhase", HangPhase}, Int{"HangCount", HangCount}, Int{"HangIdle", HangIdle},
                         Int{"InCart", InCart}, Int{"CartKeyDelay", CartKeyDelay}, Int{"CartLock", CartLock},
                         Int{"CartExitGrace", CartExitGrace}, Int{"RidingLift", RidingLift},
                         Int{"OnLift", OnLift}, Int{"StepTimer", StepTimer}, Int{"StepToggle", StepToggle},
                         Int{"StepInterval", StepInterval}, Int{"AxeRowBase", AxeRowBase}})
        platform::RegisterDumpInt(v.name, v.variable);
    struct Real {
        const char* name;
        const double& variable;
    };
    for (const Real& v : {Real{"LiftTurn", LiftTurn}, Real{"WalkAnimDelay", WalkAnimDelay},
                          Real{"PoseAnimDelay", PoseAnimDelay}, Real{"PushAnimDelay", PushAnimDelay},
                          Real{"HangAnimDelay", HangAnimDelay}})
        platform::RegisterDumpValue(v.name, [&value = v.variable] { return platform::DumpNumber(value); });
    platform::RegisterReset(ResetHeroState);
});

}  // namespace
}  // namespace actors
