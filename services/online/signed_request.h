// The signature every request carries, so the server can refuse requests that
// do not come from the game or that are replayed long after they were made.
//
// Wire form: R + "&t=" + T + "&sig=" + S, where R is the request text, T the
// Unix time in seconds and S the lower-case hex HMAC-SHA256 of R + "&t=" + T
// keyed with the online-request key.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace services::online {

// The part the signature covers: the request text and its time.
std::string TimedRequest(std::string_view requestText, std::int64_t unixSeconds);

// The request text with its time and signature appended.
std::string SignedRequest(std::string_view requestText, std::string_view key, std::int64_t unixSeconds);

}  // namespace services::online
