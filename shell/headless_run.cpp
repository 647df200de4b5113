// Headless runs of the program.
#include "shell/headless_run.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "platform/state_registry.h"
#include "shell/startup.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

using End = HeadlessResult::End;

End EndOf(platform::RunStopped::Reason reason) {
    switch (reason) {
        case platform::RunStopped::Reason::FrameLimit:
            return End::FrameLimit;
        case platform::RunStopped::Reason::Stalled:
            return End::Stalled;
    }
    return End::Failed;
}

std::string CaptureFileName(int frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06d.png", frame);
    return name;
}

// Runs the program in the directory and puts the working directory back after.
void RunIn(const std::string& dir, const std::function<void()>& program) {
    fs::path before = fs::current_path();
    if (!dir.empty()) fs::current_path(dir);
    struct Restore {
        fs::path path;
        ~Restore() {
            std::error_code ignored;
            fs::current_path(path, ignored);
        }
    } restore{before};
    program();
}

}  // namespace

int HeadlessResult::ExitCode() const { return end == End::ProgramEnded || end == End::FrameLimit ? 0 : 1; }

HeadlessResult RunHeadless(const HeadlessRun& run) {
    HeadlessResult result;
    platform::HeadlessConfig config;
    if (!platform::ParseInputScript(run.script, config.script, result.message)) {
        result.end = End::BadScript;
        return result;
    }
    config.startMs = run.seed;
    config.frameLimit = run.frameLimit;
    config.captures.insert(run.captures.begin(), run.captures.end());
    fs::path captureDir = run.captureDir.empty() ? fs::path() : fs::absolute(run.captureDir);
    std::string writeError;
    config.onCapture = [&](int frame, platform::Pixels picture) {
        if (!captureDir.empty() &&
            !platform::WritePngRgb(picture, (captureDir / CaptureFileName(frame)).string()))
            writeError = "could not write " + (captureDir / CaptureFileName(frame)).string();
        result.frameCaptures[frame] = std::move(picture);
    };

    platform::ResetAllState();
    auto backend = std::make_unique<platform::HeadlessBackend>(std::move(config));
    platform::HeadlessBackend& headless = *backend;
    platform::InstallBackend(std::move(backend));
    try {
        int exitCode = 0;
        RunIn(
            run.workDir, run.program ? run.program : [&] { exitCode = RunProgram(); });
        result.end = exitCode == 0 ? End::ProgramEnded : End::Failed;
        result.message = exitCode == 0 ? "the program ended"
                                       : "the program ended with exit code " + std::to_string(exitCode);
    } catch (const platform::ProgramEnd&) {
        result.end = End::ProgramEnded;
        result.message = "the program ended";
    } catch (const platform::RunStopped& stop) {
        result.end = EndOf(stop.reason);
        result.message = stop.message;
    } catch (const std::exception& e) {
        result.end = End::Failed;
        result.message = std::string("the run failed: ") + e.what();
    }
    result.frames = headless.FramesShown();
    result.dump = platform::DumpState();
    platform::InstallBackend(nullptr);
    if (!writeError.empty() && result.ExitCode() == 0) {
        result.end = End::Failed;
        result.message = writeError;
    }
    return result;
}

std::optional<std::string> DumpValue(std::string_view dump, std::string_view name) {
    while (!dump.empty()) {
        auto end = dump.find('\n');
        std::string_view line = dump.substr(0, end);
        if (line.size() > name.size() && line.substr(0, name.size()) == name && line[name.size()] == '=')
            return std::string(line.substr(name.size() + 1));
        if (end == std::string_view::npos) break;
        dump.remove_prefix(end + 1);
    }
    return std::nullopt;
}

}  // namespace shell
