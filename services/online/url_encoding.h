// Percent-encoding of request values: every byte outside the unreserved set
// A-Z a-z 0-9 - . _ ~ becomes %XX, so a blank is %20 (never '+').
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace services::online {

std::string PercentEncode(std::string_view text);

// The bytes behind a percent-encoded value; nothing for a '%' that is not
// followed by two hex digits. '+' stays a '+'.
std::optional<std::string> PercentDecode(std::string_view text);

}  // namespace services::online
