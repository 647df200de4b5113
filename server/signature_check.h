// Checks the time and signature a request carries (the wire form is in
// services/online/signed_request.h): the server answers only requests signed
// with the game's key and made within the time window.
#pragma once

#include <cstdint>
#include <string_view>

namespace server {

enum class SignatureVerdict { Valid, Missing, Wrong, Stale };

struct SignatureCheck {
    SignatureVerdict verdict;
    std::string_view requestText;  // the signed request without "&t=...&sig=...", when Valid
};

// signedText is the request as it arrived after the base path:
// R + "&t=" + T + "&sig=" + S.
SignatureCheck CheckSignature(std::string_view signedText, std::string_view key, std::int64_t nowSeconds,
                              std::int64_t windowSeconds);

}  // namespace server
