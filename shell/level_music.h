// The in-game tunes, which change at every start.
#pragma once

#include <string>

namespace shell {

// Which in-game tune plays next (1..4), kept across games for the whole run,
// and the name of the selected one.
extern int TuneIndex;
extern std::string TuneName;

void ResetLevelMusic();

// Starts the tune of TuneIndex looped at 33 percent. Callers call it only
// while MusicOn is 1.
void StartLevelMusic();

// Stops the current tune and moves TuneIndex on to the next (1..4).
void StopLevelMusic();

}  // namespace shell
