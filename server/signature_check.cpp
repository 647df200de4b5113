// The signature check: the last "&sig=" and "&t=" of the request are its
// signature and time; the HMAC is compared in constant time.
#include "server/signature_check.h"

#include <string>

#include "services/online/hmac_sha256.h"

namespace server {

namespace {

constexpr std::size_t kMaxTimeDigits = 18;

bool SameInConstantTime(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

SignatureCheck CheckSignature(std::string_view signedText, std::string_view key, std::int64_t nowSeconds,
                              std::int64_t windowSeconds) {
    const std::size_t sigAt = signedText.rfind("&sig=");
    if (sigAt == std::string_view::npos) return {SignatureVerdict::Missing, {}};
    const std::string_view timed = signedText.substr(0, sigAt);
    const std::string_view signature = signedText.substr(sigAt + 5);
    const std::size_t timeAt = timed.rfind("&t=");
    if (timeAt == std::string_view::npos) return {SignatureVerdict::Missing, {}};
    const std::string_view timeText = timed.substr(timeAt + 3);
    if (!AllDigits(timeText) || timeText.size() > kMaxTimeDigits) return {SignatureVerdict::Wrong, {}};

    if (!SameInConstantTime(services::online::HmacSha256Hex(key, timed), signature))
        return {SignatureVerdict::Wrong, {}};
    const std::int64_t madeAt = std::stoll(std::string(timeText));
    if (madeAt < nowSeconds - windowSeconds || madeAt > nowSeconds + windowSeconds)
        return {SignatureVerdict::Stale, {}};
    return {SignatureVerdict::Valid, timed.substr(0, timeAt)};
}

}  // namespace server
