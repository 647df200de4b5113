// SHA-256 against the FIPS 180-4 examples and HMAC-SHA256 against RFC 4231.
#include "services/online/sha256.h"

#include <gtest/gtest.h>

#include <string>

#include "services/online/hmac_sha256.h"

namespace {

using services::online::HmacSha256Hex;
using services::online::LowerHex;
using services::online::Sha256;
using services::online::Sha256Of;

TEST(Sha256, PublishedExamples) {
    struct Case {
        std::string message;
        const char* digest;
    };
    const Case cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the padding needs a second block.
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmno"
         "pq"
         "rstnopqrstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1'000'000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LowerHex(Sha256Of(c.message)), c.digest) << "message of " << c.message.size() << " bytes";
}

TEST(Sha256, PiecesHashLikeTheWhole) {
    const std::string message(200, 'q');
    for (std::size_t cut : {0u, 1u, 55u, 56u, 63u, 64u, 65u, 199u}) {
        Sha256 hash;
        hash.Add(std::string_view(message).substr(0, cut));
        hash.Add(std::string_view(message).substr(cut));
        EXPECT_EQ(LowerHex(hash.Finish()), LowerHex(Sha256Of(message))) << "cut at " << cut;
    }
}

TEST(HmacSha256, Rfc4231Vectors) {
    struct Case {
        std::string key;
        std::string data;
        const char* mac;
    };
    std::string key25;
    for (char c = 1; c <= 25; ++c) key25 += c;
    const Case cases[] = {
        {std::string(20, '\x0b'), "Hi There",
         "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"},
        {"Jefe", "what do ya want for nothing?",
         "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
        {std::string(20, '\xaa'), std::string(50, '\xdd'),
         "773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe"},
        {key25, std::string(50, '\xcd'), "82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b"},
        {std::string(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
         "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
        {std::string(131, '\xaa'),
         "This is a test using a larger than block-size key and a larger than block-size data. The key needs "
         "to "
         "be hashed before being used by the HMAC algorithm.",
         "9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HmacSha256Hex(c.key, c.data), c.mac) << "data: " << c.data.substr(0, 20);
}

TEST(HmacSha256, Rfc4231TruncatedVector) {
    EXPECT_EQ(HmacSha256Hex(std::string(20, '\x0c'), "Test With Truncation").substr(0, 32),
              "a3b6167473100ee06e0c796c2955552b");
}

}  // namespace
