// A request's query: name=value pairs joined by '&', values percent-encoded.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace server {

using QueryParams = std::map<std::string, std::string, std::less<>>;

// The decoded pairs; nothing when a pair has no '=' or no name, a value is
// badly encoded, or a name appears twice.
std::optional<QueryParams> ParseQuery(std::string_view query);

// True when the names present are exactly the required ones plus any of the optional ones.
bool HasExactlyParams(const QueryParams& params, std::initializer_list<std::string_view> required,
                      std::initializer_list<std::string_view> optional = {});

}  // namespace server
