// HMAC over SHA-256: H((K ^ opad) || H((K ^ ipad) || message)), 64-byte blocks.
#include "services/online/hmac_sha256.h"

#include <algorithm>

namespace services::online {

namespace {

constexpr std::size_t kBlockBytes = 64;

std::string PaddedKey(std::string_view key, char pad) {
    std::string block(kBlockBytes, '\0');
    if (key.size() > kBlockBytes) {
        // Keys longer than a block are hashed first.
        const Sha256Digest hashed = Sha256Of(key);
        std::copy(hashed.begin(), hashed.end(), block.begin());
    } else {
        std::copy(key.begin(), key.end(), block.begin());
    }
    for (char& c : block) c = static_cast<char>(c ^ pad);
    return block;
}

std::string_view AsBytes(const Sha256Digest& digest) {
    return {reinterpret_cast<const char*>(digest.data()), digest.size()};
}

}  // namespace

Sha256Digest HmacSha256(std::string_view key, std::string_view message) {
    Sha256 inner;
    inner.Add(PaddedKey(key, 0x36));
    inner.Add(message);
    const Sha256Digest innerDigest = inner.Finish();

    Sha256 outer;
    outer.Add(PaddedKey(key, 0x5c));
    outer.Add(AsBytes(innerDigest));
    return outer.Finish();
}

std::string LowerHex(const Sha256Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * digest.size());
    for (std::uint8_t byte : digest) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0f];
    }
    return text;
}

std::string HmacSha256Hex(std::string_view key, std::string_view message) {
    return LowerHex(HmacSha256(key, message));
}

}  // namespace services::online
