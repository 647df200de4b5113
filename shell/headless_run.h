// Headless runs of the real program: a seed, an input script and a frame
// limit in; the chosen frames and the state dump out. Scenario tests of every
// subsystem use RunHeadless; the snatchkin-headless tool wraps it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/png_codec.h"

namespace shell {

struct HeadlessRun {
    int seed = 1;                   // what ClockMs answers at start-up, so the generator's seed
    std::string script;             // input script text (format in README.md)
    int frameLimit = 36000;         // the run stops after this many frames
    std::string workDir;            // working directory of the run; empty: the current one
    std::vector<int> captures;      // frames to keep as pictures (0 is the first frame shown)
    std::string captureDir;         // also write them as frame-NNNNNN.png here; empty: memory only
    std::function<void()> program;  // what runs; empty: the real program (RunProgram)
};

struct HeadlessResult {
    enum class End { ProgramEnded, FrameLimit, Stalled, BadScript, Failed };
    End end = End::Failed;
    std::string message;                            // one line saying why the run ended
    int frames = 0;                                 // frames shown
    std::string dump;                               // the state dump at the end
    std::map<int, platform::Pixels> frameCaptures;  // the captured frames by number

    // 0 when the program ended or reached the frame limit, otherwise 1.
    int ExitCode() const;
};

// Runs one scenario in this process. Every registered subsystem is reset
// first, so runs do not leak into each other.
HeadlessResult RunHeadless(const HeadlessRun& run);

// The value of "Name=value" in a dump, or nothing.
std::optional<std::string> DumpValue(std::string_view dump, std::string_view name);

}  // namespace shell
