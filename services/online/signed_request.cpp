// Appends the time and the signature to a request text.
#include "services/online/signed_request.h"

#include "services/online/hmac_sha256.h"

namespace services::online {

std::string TimedRequest(std::string_view requestText, std::int64_t unixSeconds) {
    return std::string(requestText) + "&t=" + std::to_string(unixSeconds);
}

std::string SignedRequest(std::string_view requestText, std::string_view key, std::int64_t unixSeconds) {
    const std::string timed = TimedRequest(requestText, unixSeconds);
    return timed + "&sig=" + HmacSha256Hex(key, timed);
}

}  // namespace services::online
