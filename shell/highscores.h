// The highscore screen with the personal best and the online table.
#pragma once

namespace shell {

// Shows the scores; with syncNow 1 it exchanges scores with the server first.
void ShowHighscores(int syncNow);

}  // namespace shell
