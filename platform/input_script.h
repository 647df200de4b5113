// Input scripts of headless runs: one step per line, each applied at a frame
// or when the game sits in a wait that draws no frames. The format is in README.md.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ScriptStep {
    enum class When { AtFrame, AfterFrames, Idle };
    enum class Action { Press, Release, Tap, Move, Click, Close, Focus };
    When when;
    int frames = 0;  // AtFrame: the frame number; AfterFrames: frames after the previous step
    Action action;
    int a = 0, b = 0;  // key code, button, or pointer x and y
    int line = 0;      // in the script, for messages
};

struct InputScript {
    std::vector<ScriptStep> steps;
};

// False (with a message naming the line) when a line cannot be read.
bool ParseInputScript(std::string_view text, InputScript& script, std::string& error);

// "Escape", "Enter", "A", "7" or a number 0-255; -1 for anything else.
int ScriptKeyCode(std::string_view name);

}  // namespace platform
