// The front end's screens: the main menu and the screens it opens.
#pragma once

namespace shell {

// The main menu; returns when the player leaves the program (quit dialog
// answered yes, or the window's close request).
void RunMainMenu();

void ShowInstructions();
void ShowCredits();
void RunOptionsMenu();

// The difficulty choice before every game; always ends with a choice made.
void SelectDifficulty();

// The story screen before every game; waits for a key.
void ShowStory();

}  // namespace shell
