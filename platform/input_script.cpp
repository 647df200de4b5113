// Reading input scripts.
#include "platform/input_script.h"

#include <array>
#include <charconv>
#include <sstream>
#include <utility>

#include "platform/keys.h"

namespace platform {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 16> kKeyNames{{
    {"Backspace", kKeyBackspace},
    {"Tab", kKeyTab},
    {"Enter", kKeyEnter},
    {"Escape", kKeyEscape},
    {"Space", kKeySpace},
    {"Left", kKeyLeft},
    {"Up", kKeyUp},
    {"Right", kKeyRight},
    {"Down", kKeyDown},
    {"LShift", kKeyLeftShift},
    {"RShift", kKeyRightShift},
    {"LCtrl", kKeyLeftCtrl},
    {"RCtrl", kKeyRightCtrl},
    {"LAlt", kKeyLeftAlt},
    {"RAlt", kKeyRightAlt},
    {"Delete", kKeyDelete},
}};

bool ReadInt(std::string_view word, int& value) {
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

struct ActionInfo {
    std::string_view word;
    ScriptStep::Action action;
    int arguments;  // 1 key, 1 button, 2 pointer position, 0 none
};

constexpr std::array<ActionInfo, 7> kActions{{
    {"press", ScriptStep::Action::Press, 1},
    {"release", ScriptStep::Action::Release, 1},
    {"tap", ScriptStep::Action::Tap, 1},
    {"move", ScriptStep::Action::Move, 2},
    {"click", ScriptStep::Action::Click, 1},
    {"close", ScriptStep::Action::Close, 0},
    {"focus", ScriptStep::Action::Focus, 0},
}};

bool ParseLine(std::vector<std::string>& words, ScriptStep& step, std::string& problem) {
    std::size_t at = 0;
    const std::string& when = words[at++];
    if (when == "at" || when == "after") {
        if (at >= words.size() || !ReadInt(words[at++], step.frames) || step.frames < 0) {
            problem = "expected a frame count after '" + when + "'";
            return false;
        }
        step.when = when == "at" ? ScriptStep::When::AtFrame : ScriptStep::When::AfterFrames;
    } else if (when == "idle") {
        step.when = ScriptStep::When::Idle;
    } else {
        problem = "a step starts with 'at', 'after' or 'idle', not '" + when + "'";
        return false;
    }
    if (at >= words.size()) {
        problem = "missing action";
        return false;
    }
    const ActionInfo* info = nullptr;
    for (const auto& candidate : kActions)
        if (candidate.word == words[at]) info = &candidate;
    if (!info) {
        problem = "unknown action '" + words[at] + "'";
        return false;
    }
    step.action = info->action;
    ++at;
    if (words.size() - at != static_cast<std::size_t>(info->arguments)) {
        problem =
            "'" + std::string(info->word) + "' takes " + std::to_string(info->arguments) + " argument(s)";
        return false;
    }
    bool isKey = info->action == ScriptStep::Action::Press || info->action == ScriptStep::Action::Release ||
                 info->action == ScriptStep::Action::Tap;
    if (isKey) {
        step.a = ScriptKeyCode(words[at]);
        if (step.a < 0) problem = "unknown key '" + words[at] + "'";
        return step.a >= 0;
    }
    if (info->action == ScriptStep::Action::Click) {
        if (!ReadInt(words[at], step.a) || step.a < 1 || step.a > 3) problem = "a button is 1, 2 or 3";
        return problem.empty();
    }
    if (info->action == ScriptStep::Action::Move) {
        if (!ReadInt(words[at], step.a) || !ReadInt(words[at + 1], step.b)) problem = "expected x and y";
        return problem.empty();
    }
    return true;
}

}  // namespace

int ScriptKeyCode(std::string_view name) {
    for (const auto& [word, code] : kKeyNames)
        if (word == name) return code;
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return name[0];
    int code = -1;
    if (name.size() > 1 && ReadInt(name, code) && code >= 0 && code <= 255) return code;
    return -1;
}

bool ParseInputScript(std::string_view text, InputScript& script, std::string& error) {
    script.steps.clear();
    std::istringstream lines{std::string(text)};
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream wordsIn(line);
        std::vector<std::string> words;
        for (std::string w; wordsIn >> w;) words.push_back(w);
        if (words.empty()) continue;
        ScriptStep step{};
        step.line = number;
        std::string problem;
        if (!ParseLine(words, step, problem)) {
            error = "script line " + std::to_string(number) + ": " + problem;
            return false;
        }
        script.steps.push_back(step);
    }
    return true;
}

}  // namespace platform
