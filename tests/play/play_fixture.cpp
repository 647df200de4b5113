// The prepared game for unit tests of the play.
#include "tests/play/play_fixture.h"

#include "platform/state_registry.h"
#include "shell/startup.h"

namespace play_test {

void StartUpForPlay() {
    platform::ResetAllState();
    for (const shell::Step& step : shell::StartUpSteps()) step.run();
}

}  // namespace play_test
