// The player's choices: the values the settings file keeps, the difficulty of
// the next game and the version text. Difficulty is not stored in the file,
// but the items rule reads it, so it sits with the other choices.
#pragma once

#include <string>
#include <string_view>

namespace services {

extern int Difficulty;  // 1 Easy, 2 Normal; every run starts at Normal
extern int SoundOn;     // sound effects on (1) / off (0)
extern int MusicOn;     // music on (1) / off (0)
extern int FullScreen;  // 1 full screen, 0 window (the options menu's tick)
extern int KeyLeft;     // the redefinable control keys
extern int KeyRight;
extern int KeyUp;
extern int KeyDown;
extern int KeyFire;
extern int PersonalBest;  // the player's own best score
extern std::string PlayerName;
inline constexpr std::string_view GameVersion = "1.1";

// Every value above back to its start value.
void ResetSettingsValues();

}  // namespace services
