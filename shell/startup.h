// The program: the start-up steps, the main menu and the shut-down steps.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace shell {

// One named step of the start-up or the shut-down.
struct Step {
    std::string_view name;
    void (*run)();
};

// Everything the main menu needs, in order: state, assets and their check,
// pictures, terrain, screen, sounds. A step that cannot succeed throws
// platform::FatalError.
std::span<const Step> StartUpSteps();

// After the main menu: save the settings, stop the sounds, close the window.
std::span<const Step> ShutDownSteps();

// The window caption: "Snatchkin: The Yule Caper - v" and the game version.
std::string WindowCaption();

// Runs the start-up steps, the main menu until it returns (or EndProgram is
// called) and the shut-down steps; returns the exit code. A start-up
// failure is reported on standard error and returns 1 after the shut-down
// steps that need no settings.
int RunProgram();

}  // namespace shell
