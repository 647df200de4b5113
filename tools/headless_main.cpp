// snatchkin-headless: runs the game without a window on a virtual clock with
// scripted input, writes chosen frames as PNG and the state dump at the end.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "shell/headless_run.h"

namespace {

constexpr const char* kUsage =
    "usage: snatchkin-headless [options]\n"
    "  --seed N          ClockMs at start-up, and so the random seed (default 1)\n"
    "  --script FILE     input script (default: none)\n"
    "  --frames N        stop after N frames (default 36000)\n"
    "  --dir DIR         working directory of the game (default: the current one)\n"
    "  --capture LIST    frames to write as PNG, e.g. 0,10,20-25 (0 is the first)\n"
    "  --capture-dir DIR where the PNG files go (default: the current directory)\n"
    "  --dump FILE       where the state dump goes (default: standard output)\n";

bool ReadNumber(std::string_view text, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// "0,10,20-25" into frame numbers below the frame limit: a run never shows
// the others, and a mistyped range must not fill the memory.
bool ReadFrameList(std::string_view text, int frameLimit, std::vector<int>& frames) {
    std::stringstream items{std::string(text)};
    for (std::string item; std::getline(items, item, ',');) {
        auto dash = item.find('-');
        int first = 0, last = 0;
        if (dash == std::string::npos) {
            if (!ReadNumber(item, first)) return false;
            last = first;
        } else if (!ReadNumber(std::string_view(item).substr(0, dash), first) ||
                   !ReadNumber(std::string_view(item).substr(dash + 1), last) || last < first) {
            return false;
        }
        for (int f = first; f <= last && f < frameLimit; ++f) frames.push_back(f);
    }
    return true;
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

int Fail(const std::string& message) {
    std::cerr << "snatchkin-headless: " << message << "\n" << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    shell::HeadlessRun run;
    run.captureDir = ".";
    std::string dumpPath, captureList;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (i + 1 >= argc) return Fail("missing value after " + option);
        std::string value = argv[++i];
        bool ok = true;
        if (option == "--seed")
            ok = ReadNumber(value, run.seed);
        else if (option == "--script")
            ok = ReadFile(value, run.script);
        else if (option == "--frames")
            ok = ReadNumber(value, run.frameLimit) && run.frameLimit > 0;
        else if (option == "--dir")
            run.workDir = value;
        else if (option == "--capture")
            captureList = value;
        else if (option == "--capture-dir")
            run.captureDir = value;
        else if (option == "--dump")
            dumpPath = value;
        else
            return Fail("unknown option " + option);
        if (!ok) return Fail("bad value for " + option + ": " + value);
    }
    if (!ReadFrameList(captureList, run.frameLimit, run.captures))
        return Fail("bad value for --capture: " + captureList);

    shell::HeadlessResult result = shell::RunHeadless(run);
    std::cerr << "snatchkin-headless: " << result.message << " after " << result.frames << " frames\n";
    if (result.end == shell::HeadlessResult::End::BadScript) return 2;
    if (dumpPath.empty()) {
        std::cout << result.dump;
    } else {
        std::ofstream out(dumpPath, std::ios::binary);
        out << result.dump;
        if (!out) return Fail("could not write " + dumpPath);
    }
    return result.ExitCode();
}
