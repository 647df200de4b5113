// The in-game tunes, which change at every start.
#pragma once

namespace shell {

// Starts the tune of TuneIndex looped at 33 percent. Callers call it only
// while MusicOn is 1.
void StartLevelMusic();

// Stops the current tune and moves TuneIndex on to the next (1..4).
void StopLevelMusic();

}  // namespace shell
