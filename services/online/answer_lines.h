// How an answer body becomes lines: split on LF, a CR before the LF dropped.
// A final LF ends the last line and starts no new one, so "a\nb\n" and "a\nb"
// are both two lines, and an empty body has none.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace services::online {

std::vector<std::string> SplitAnswerLines(std::string_view body);

}  // namespace services::online
