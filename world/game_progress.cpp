// The game in progress and its start values.
#include "world/game_progress.h"

#include "platform/state_registry.h"

namespace world {

int Score, Lives, Level, Bonus, BonusTick, Dying, GameState;
int AllCollectedTick, LevelJinglePlayed, FirstCartInfo;

void ResetGameProgress() {
    Score = Lives = Level = Bonus = BonusTick = Dying = GameState = 0;
    AllCollectedTick = LevelJinglePlayed = FirstCartInfo = 0;
}

namespace {

const platform::StateRegistration kRegistration([] {
    struct Int {
        const char* name;
        const int& variable;
    };
    for (const Int& v : {Int{"Score", Score}, Int{"Lives", Lives}, Int{"Level", Level}, Int{"Bonus", Bonus},
                         Int{"BonusTick", BonusTick}, Int{"Dying", Dying}, Int{"GameState", GameState},
                         Int{"AllCollectedTick", AllCollectedTick}, Int{"LevelJinglePlayed", LevelJinglePlayed},
                         Int{"FirstCartInfo", FirstCartInfo}})
        platform::RegisterDumpInt(v.name, v.variable);
    platform::RegisterReset(ResetGameProgress);
});

}  // namespace
}  // namespace world
