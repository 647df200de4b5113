// One game, from level 1 until it ends.
#pragma once

namespace shell {

// Runs one game; returns when it is over, quit or the window's close request
// was read.
void PlayGame();

}  // namespace shell
