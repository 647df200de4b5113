// The player's choices and their start values.
#include "services/settings_values.h"

#include "platform/keys.h"
#include "platform/state_registry.h"

namespace services {

int Difficulty, SoundOn, MusicOn, FullScreen;
int KeyLeft, KeyRight, KeyUp, KeyDown, KeyFire;
int PersonalBest;
std::string PlayerName;

void ResetSettingsValues() {
    Difficulty = 2;
    SoundOn = 1;
    MusicOn = 1;
    FullScreen = 0;
    KeyLeft = platform::kKeyLeft;  // cursor keys
    KeyRight = platform::kKeyRight;
    KeyUp = platform::kKeyUp;
    KeyDown = platform::kKeyDown;
    KeyFire = platform::kKeyLeftCtrl;
    PersonalBest = 0;
    PlayerName = "player1";
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
    platform::RegisterReset(ResetSettingsValues);
});

}  // namespace
}  // namespace services
