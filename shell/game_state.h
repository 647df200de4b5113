// The process-wide game state owned by start-up: the settings values, the game
// in progress, the view half and the menu positions, with their start values.
#pragma once

#include <string>
#include <string_view>

namespace shell {

// Settings values.
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

// The game in progress; set when a game starts.
extern int Score;
extern int Lives;
extern int Level;
extern int Bonus;
extern int BonusTick;
extern int Dying;
extern int GameState;

// Which half of the 2048-pixel world is on screen (0 left, 1 right).
extern int ScreenHalf;

// Highlighted main-menu item and options row; both keep their value between visits.
extern int MenuChoice;
extern int OptionsChoice;

// Which in-game tune plays next (1..4) and the name of the selected one.
extern int TuneIndex;
extern std::string TuneName;

// Every variable above back to its start value.
void ResetGameState();

}  // namespace shell
