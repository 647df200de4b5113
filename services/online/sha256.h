// SHA-256 (FIPS 180-4), for signing score requests without a crypto library.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace services::online {

using Sha256Digest = std::array<std::uint8_t, 32>;

// Hashes bytes added in any number of pieces.
class Sha256 {
public:
    Sha256();
    void Add(std::string_view bytes);
    // The digest of everything added; the object is spent afterwards.
    Sha256Digest Finish();

private:
    void CompressBlock();

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> block_{};
    std::size_t blockUsed_ = 0;
    std::uint64_t totalBytes_ = 0;
};

Sha256Digest Sha256Of(std::string_view bytes);

}  // namespace services::online
