// Headless runs of front-end screens for scenario tests: the real start-up
// steps, the screen under test in the main menu's place, then the real
// shut-down steps.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/headless_run.h"

namespace frontend_test {

struct ScreenRun {
    std::string script;
    std::function<void()> setup;   // runs after the start-up steps, before the screen
    std::function<void()> screen;  // what runs; empty: the main menu
    std::vector<int> captures;
    int frameLimit = 3000;
    // What the clock reads at start-up, so the generator's seed. The menu's
    // lanterns flicker by it; the captured screens were made with this one.
    int seed = 0x1234;
};

// Runs the screen as the program runs the main menu.
shell::HeadlessResult RunScreen(const ScreenRun& run);

// Whether the sound was started and has not been stopped since (a one-shot
// may have ended by itself meanwhile).
bool Started(std::string_view name);

}  // namespace frontend_test
