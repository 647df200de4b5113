// The add-score request text.
#include "services/online/request_texts.h"

#include <cctype>

#include "services/online/url_encoding.h"

namespace services::online {

namespace {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace

std::string AddScoreRequest(std::string_view playerName, int level, int score, std::string_view todayText,
                            std::string_view gameVersion) {
    return "snatchkin_win.php?option=addscore&user=" + PercentEncode(LowerCase(playerName)) +
           "&level=" + std::to_string(level) + "&point=" + std::to_string(score) +
           "&date=" + PercentEncode(todayText) + "&version=" + PercentEncode(gameVersion) +
           "&platform=windows";
}

}  // namespace services::online
