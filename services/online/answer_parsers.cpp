// The get-scores and version answer readers.
#include "services/online/answer_parsers.h"

#include <algorithm>

namespace services::online {

std::vector<OnlineRow> ReadOnlineRows(std::span<const std::string> lines) {
    std::vector<OnlineRow> rows;
    const std::size_t complete = std::min(lines.size() / 3, OnlineTableRows);
    for (std::size_t r = 0; r < complete; ++r)
        rows.push_back({lines[3 * r], lines[3 * r + 1], lines[3 * r + 2]});
    return rows;
}

std::string FindProductVersion(std::span<const std::string> lines) {
    std::string found;
    const std::size_t complete = std::min(lines.size() / 2, MaxVersionPairs);
    for (std::size_t p = 0; p < complete; ++p)
        if (lines[2 * p] == ProductKey) found = lines[2 * p + 1];
    return found;
}

}  // namespace services::online
