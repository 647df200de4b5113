// Splits an answer body into its lines.
#include "services/online/answer_lines.h"

namespace services::online {

std::vector<std::string> SplitAnswerLines(std::string_view body) {
    std::vector<std::string> lines;
    while (!body.empty()) {
        const std::size_t end = body.find('\n');
        std::string_view line = body.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        body.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace services::online
