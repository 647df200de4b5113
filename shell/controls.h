// The controls screen, where the five game keys are shown and redefined.
#pragma once

namespace shell {

// Runs the controls screen until Escape.
void RedefineKeysScreen();

}  // namespace shell
