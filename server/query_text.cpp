// Splitting and decoding a query.
#include "server/query_text.h"

#include <algorithm>

#include "services/online/url_encoding.h"

namespace server {

std::optional<QueryParams> ParseQuery(std::string_view query) {
    QueryParams params;
    while (true) {
        const std::size_t end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos || equals == 0) return std::nullopt;
        auto value = services::online::PercentDecode(pair.substr(equals + 1));
        if (!value) return std::nullopt;
        if (!params.emplace(std::string(pair.substr(0, equals)), std::move(*value)).second)
            return std::nullopt;
        if (end == std::string_view::npos) return params;
        query.remove_prefix(end + 1);
    }
}

bool HasExactlyParams(const QueryParams& params, std::initializer_list<std::string_view> required,
                      std::initializer_list<std::string_view> optional) {
    const auto listed = [](std::initializer_list<std::string_view> names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (std::string_view name : required)
        if (!params.contains(name)) return false;
    for (const auto& [name, value] : params)
        if (!listed(required, name) && !listed(optional, name)) return false;
    return true;
}

}  // namespace server
