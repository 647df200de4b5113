// Reading the #include lines of the source tree. Plain string scanning: a
// regular expression made these tests the slowest files of the build to compile.
#include "tests/shell/source_includes.h"

#include <fstream>

namespace testing_support {
namespace {

namespace fs = std::filesystem;

std::string_view SkipSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

bool IsSource(const fs::path& path) {
    auto ext = path.extension();
    return ext == ".h" || ext == ".cpp" || ext == ".hpp" || ext == ".cc";
}

}  // namespace

std::optional<SourceInclude> ParseInclude(std::string_view line) {
    line = SkipSpaces(line);
    if (!line.starts_with('#')) return std::nullopt;
    line = SkipSpaces(line.substr(1));
    if (!line.starts_with("include")) return std::nullopt;
    line = SkipSpaces(line.substr(7));
    if (line.empty() || (line.front() != '"' && line.front() != '<')) return std::nullopt;
    const char close = line.front() == '"' ? '"' : '>';
    const auto end = line.find(close, 1);
    if (end == std::string_view::npos) return std::nullopt;
    return SourceInclude{"", 0, std::string(line.substr(1, end - 1)), close == '>'};
}

std::vector<SourceInclude> IncludesOfTree(const fs::path& root, int& files) {
    std::vector<SourceInclude> found;
    files = 0;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path rel = fs::relative(it->path(), root);
        const std::string first = rel.begin()->string();
        if (it->is_directory() && (first.starts_with("build") || first.starts_with("."))) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file() || !IsSource(it->path())) continue;
        ++files;
        std::ifstream in(it->path());
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            if (auto include = ParseInclude(line)) {
                include->file = rel.generic_string();
                include->line = number;
                found.push_back(std::move(*include));
            }
        }
    }
    return found;
}

}  // namespace testing_support
