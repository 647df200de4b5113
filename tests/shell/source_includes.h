// The #include lines of the game's source tree, for the tests that check
// which folder may include what.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct SourceInclude {
    std::string file;    // relative to the tree's root, with '/' separators
    int line;            // 1 for the first line
    std::string target;  // what is included, e.g. "platform/platform.h" or "SDL.h"
    bool angled;         // <...> rather than "..."
};

// The target of an #include line, or nothing for any other line.
std::optional<SourceInclude> ParseInclude(std::string_view line);

// Every include of every .h, .hpp, .cpp and .cc below the root, outside build
// folders and hidden ones; `files` counts the source files read.
std::vector<SourceInclude> IncludesOfTree(const std::filesystem::path& root, int& files);

}  // namespace testing_support
