// Headless runs of front-end screens for scenario tests: the pictures, the
// screen and the sounds as start-up prepares them, then the screen under test.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/headless_run.h"

namespace frontend_test {

struct ScreenRun {
    std::string script;
    std::function<void()> setup;   // runs after the preparation, before the screen
    std::function<void()> screen;  // what runs; empty: the main menu
    std::vector<int> captures;
    int frameLimit = 3000;
};

// Runs the screen and then ends the program, as start-up does after the menu.
shell::HeadlessResult RunScreen(const ScreenRun& run);

// Whether the sound was started and has not been stopped since (a one-shot
// may have ended by itself meanwhile).
bool Started(std::string_view name);

}  // namespace frontend_test
