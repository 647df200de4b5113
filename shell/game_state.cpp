// The start-up's process-wide state and its start values.
#include "shell/game_state.h"

#include "platform/state_registry.h"

namespace shell {

// Start values come from ResetGameState, the first step of start-up.
int Difficulty, SoundOn, MusicOn, FullScreen;
int KeyLeft, KeyRight, KeyUp, KeyDown, KeyFire;
int PersonalBest;
std::string PlayerName;
int Score, Lives, Level, Bonus, BonusTick, Dying, GameState;
int ScreenHalf;
int MenuChoice, OptionsChoice;
int TuneIndex;
std::string TuneName;

void ResetGameState() {
    Difficulty = 2;
    SoundOn = 1;
    MusicOn = 1;
    FullScreen = 0;
    KeyLeft = 37;  // cursor keys
    KeyRight = 39;
    KeyUp = 38;
    KeyDown = 40;
    KeyFire = 162;  // left Ctrl
    PersonalBest = 0;
    PlayerName = "player1";
    Score = Lives = Level = Bonus = BonusTick = Dying = GameState = 0;
    ScreenHalf = 0;
    MenuChoice = OptionsChoice = 0;
    TuneIndex = 1;
    TuneName.clear();
}

namespace {

const platform::StateRegistration kRegistration([] {
    struct Int {
        const char* name;
        const int& variable;
    };
    for (const Int& v : {Int{"Difficulty", Difficulty}, Int{"SoundOn", SoundOn}, Int{"MusicOn", MusicOn},
                         Int{"FullScreen", FullScreen}, Int{"KeyLeft", KeyLeft}, Int{"KeyRight", KeyRight},
                         Int{"KeyUp", KeyUp}, Int{"KeyDown", KeyDown}, Int{"KeyFire", KeyFire},
                         Int{"PersonalBest", PersonalBest}})
        platform::RegisterDumpInt(v.name, v.variable);
    platform::RegisterDumpText("PlayerName", PlayerName);
    platform::RegisterDumpValue("GameVersion", [] { return std::string(GameVersion); });
    for (const Int& v : {Int{"Score", Score}, Int{"Lives", Lives}, Int{"Level", Level}, Int{"Bonus", Bonus},
                         Int{"BonusTick", BonusTick}, Int{"Dying", Dying}, Int{"GameState", GameState},
                         Int{"ScreenHalf", ScreenHalf}, Int{"MenuChoice", MenuChoice},
                         Int{"OptionsChoice", OptionsChoice}, Int{"TuneIndex", TuneIndex}})
        platform::RegisterDumpInt(v.name, v.variable);
    platform::RegisterDumpText("TuneName", TuneName);
    platform::RegisterReset(ResetGameState);
});

}  // namespace
}  // namespace shell
