// The score server's base address.
#include "services/online/server_base.h"

#include <cstdlib>

namespace services::online {

const std::string_view ScoreServerBase = SNATCHKIN_SCORE_SERVER_BASE;

std::string EffectiveScoreServerBase() {
    const char* fromEnvironment = std::getenv("SNATCHKIN_SCORE_SERVER");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') return fromEnvironment;
    return std::string(ScoreServerBase);
}

}  // namespace services::online
