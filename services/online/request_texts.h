// The texts the game sends to the score server, and its command ids and key.
// Every value is percent-encoded, so names and dates with blanks stay one value.
#pragma once

#include <string>
#include <string_view>

namespace services::online {

// Handed to the request library once at start-up; signs every request.
inline constexpr std::string_view OnlineRequestKey = "k3Rt8vQz1mW5xYb";

// Command ids the answers come back under.
inline constexpr int AddScoreCommand = 1;
inline constexpr int GetScoresCommand = 2;
inline constexpr int VersionCommand = 2;

inline constexpr std::string_view GetScoresRequest = "snatchkin_win.php?option=getscore&nbscore=10";
inline constexpr std::string_view VersionRequest = "VersionCheck.php?option=getversion&nbscore=30";

// The version answer names this program's version under this product key.
inline constexpr std::string_view ProductKey = "snatchkin";

// The add-score request for the game played last: the player name goes in lower
// case, level and score in decimal, the date as TodayText gives it.
std::string AddScoreRequest(std::string_view playerName, int level, int score, std::string_view todayText,
                            std::string_view gameVersion);

}  // namespace services::online
