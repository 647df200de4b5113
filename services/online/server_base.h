// Where the score server lives: the built-in base address, or the one the
// environment names for a private server or a test.
#pragma once

#include <string>
#include <string_view>

namespace services::online {

// The built-in base address (the score server's default listening address
// unless the build sets another).
extern const std::string_view ScoreServerBase;

// SNATCHKIN_SCORE_SERVER when it is set and not empty, else ScoreServerBase.
std::string EffectiveScoreServerBase();

}  // namespace services::online
