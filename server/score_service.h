// What the score server answers, apart from HTTP: signature, validation, the
// score table and the version. Answers are plain text, one value per line,
// each line ended by LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "server/score_store.h"

namespace server {

inline constexpr std::string_view BasePath = "/scores/";

struct ServiceSettings {
    std::string currentVersion = "1.1";  // what VersionCheck.php names as the game's version
    std::int64_t timeWindowSeconds = 300;
};

struct Reply {
    int status;
    std::string body;
};

// The answer to a request target as it arrived ("/scores/snatchkin_win.php?..."),
// at the given Unix time. A refusal changes nothing in the store.
Reply AnswerScoreRequest(ScoreStore& store, const ServiceSettings& settings, std::string_view target,
                         std::int64_t nowSeconds);

}  // namespace server
