// The command line of snatchkin-scored.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "server/score_server.h"

namespace server {

inline constexpr const char* ServerUsage =
    "usage: snatchkin-scored [--listen ADDRESS:PORT] [--db FILE] [--current-version V]\n"
    "                        [--rate-limit PER_MINUTE] [--burst N]\n";

// The configuration the arguments ask for; nothing (and the reason in error) for a bad one.
std::optional<ServerConfig> ParseServerOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace server
