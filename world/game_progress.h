// The game in progress: score, lives, level, bonus and the state of play.
// The play loop in the shell runs the game, but items and elves (actors,
// below the shell) award points and end lives, so the game in progress sits
// below both.
#pragma once

namespace world {

// All 0 at program start; set when a game starts.
extern int Score;
extern int Lives;
extern int Level;
extern int Bonus;
extern int BonusTick;
extern int Dying;
extern int GameState;

// The blinking all-packages message's frame counter (0..60), whether the
// level-complete jingle has started for this level, and 1 until the minecart
// panel has been shown in this game.
extern int AllCollectedTick;
extern int LevelJinglePlayed;
extern int FirstCartInfo;

// Every value above back to 0.
void ResetGameProgress();

}  // namespace world
