// Parsing the command line of snatchkin-scored.
#include "server/server_options.h"

#include "server/score_fields.h"

namespace server {

namespace {

bool ParseListen(const std::string& text, ServerConfig& config) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return false;
    const auto port = ParseNumberInRange(std::string_view(text).substr(colon + 1), 0, 65535);
    if (!port) return false;
    config.host = text.substr(0, colon);
    if (config.host.size() > 2 && config.host.front() == '[' && config.host.back() == ']')
        config.host = config.host.substr(1, config.host.size() - 2);
    config.port = *port;
    return true;
}

bool ParseCount(const std::string& text, int& value) {
    const auto number = ParseNumberInRange(text, 0, 1'000'000);
    if (number) value = *number;
    return number.has_value();
}

bool ApplyOption(const std::string& name, const std::string& value, ServerConfig& config) {
    if (name == "--listen") return ParseListen(value, config);
    if (name == "--db") {
        config.dbPath = value;
        return !value.empty();
    }
    if (name == "--current-version") {
        config.service.currentVersion = value;
        return IsValidGameVersion(value);
    }
    if (name == "--rate-limit") return ParseCount(value, config.ratePerMinute);
    if (name == "--burst") return ParseCount(value, config.rateBurst) && config.rateBurst > 0;
    return false;
}

}  // namespace

std::optional<ServerConfig> ParseServerOptions(const std::vector<std::string>& args, std::string& error) {
    ServerConfig config;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            error = "missing value for " + args[i];
            return std::nullopt;
        }
        if (!ApplyOption(args[i], args[i + 1], config)) {
            error = "bad option: " + args[i] + " " + args[i + 1];
            return std::nullopt;
        }
    }
    return config;
}

}  // namespace server
