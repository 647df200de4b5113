// What the server accepts in each field of a score request.
#pragma once

#include <optional>
#include <string_view>

namespace server {

inline constexpr int MinLevel = 1;
inline constexpr int MaxLevel = 999;
inline constexpr int MinScore = 1;
inline constexpr int MaxScore = 99'999'999;  // eight digits, as the table shows them
inline constexpr int MaxRowsPerAnswer = 10;

// 1 to 10 characters of a-z, 0-9 and blank, not all blanks: what the name
// editor can type, in the lower case the game sends.
bool IsValidPlayerName(std::string_view name);

// A decimal number without sign in [low, high].
std::optional<int> ParseNumberInRange(std::string_view text, int low, int high);

// "DD Mon YYYY" with an English month abbreviation and a day that month has.
bool IsValidScoreDate(std::string_view date);

// Up to four dot-separated numbers of up to three digits, as "1.1".
bool IsValidGameVersion(std::string_view version);

// "windows" (what the game sends) or "linux".
bool IsValidPlatform(std::string_view platform);

}  // namespace server
