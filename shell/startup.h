// The program: the start-up sequence, the main menu and the shut-down.
#pragma once

#include <string>

namespace shell {

// The window caption: "Snatchkin: The Yule Caper - v" and the game version.
std::string WindowCaption();

// Runs the start-up steps in order, the main menu and the shut-down steps,
// then ends the program (platform::EndProgram); it does not return.
[[noreturn]] void RunProgram();

}  // namespace shell
