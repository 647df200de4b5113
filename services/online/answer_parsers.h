// Reading the score server's answers. Both readers take the answer's lines and
// never look past the last of them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "services/online/request_texts.h"

namespace services::online {

// One row of the online table, texts exactly as the server sent them.
struct OnlineRow {
    std::string name;
    std::string level;
    std::string score;
};

inline constexpr std::size_t OnlineTableRows = 10;
inline constexpr std::size_t MaxVersionPairs = 100;

// The get-scores answer: groups of three lines (name, level, score), in the
// order the rows are shown. A group missing a line is no row; at most
// OnlineTableRows rows, further lines are ignored.
std::vector<OnlineRow> ReadOnlineRows(std::span<const std::string> lines);

// The version answer: pairs of lines (product key, version). Of the first
// MaxVersionPairs complete pairs, the last with the key ProductKey gives the
// version; empty when none has it.
std::string FindProductVersion(std::span<const std::string> lines);

}  // namespace services::online
