// Preparing headless runs of the front end.
#include "front_end_run.h"

#include <algorithm>
#include <cctype>

#include "services/sound.h"
#include "services/sound_state.h"
#include "shell/front_end.h"
#include "shell/startup.h"

namespace frontend_test {

shell::HeadlessResult RunScreen(const ScreenRun& run) {
    shell::HeadlessRun headless;
    headless.script = run.script;
    headless.captures = run.captures;
    headless.frameLimit = run.frameLimit;
    headless.seed = run.seed;
    headless.program = [&run] {
        for (const shell::Step& step : shell::StartUpSteps()) step.run();
        if (run.setup) run.setup();
        if (run.screen) {
            run.screen();
        } else {
            shell::RunMainMenu();
        }
        for (const shell::Step& step : shell::ShutDownSteps()) step.run();
    };
    return shell::RunHeadless(headless);
}

// The manager's own mark: set by a start, cleared by a stop, whether or not
// the sound has since ended by itself.
bool Started(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const auto& s : services::SoundList)
        if (s.FX == key) return s.isplay == 1;
    return false;
}

}  // namespace frontend_test
