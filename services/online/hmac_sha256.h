// HMAC-SHA256 (RFC 2104) and the lower-case hex form requests carry.
#pragma once

#include <string>
#include <string_view>

#include "services/online/sha256.h"

namespace services::online {

Sha256Digest HmacSha256(std::string_view key, std::string_view message);

// Two lower-case hex digits per byte.
std::string LowerHex(const Sha256Digest& digest);

std::string HmacSha256Hex(std::string_view key, std::string_view message);

}  // namespace services::online
