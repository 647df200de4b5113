// The request texts the game sends and the signature on them.
#include "services/online/request_texts.h"

#include <gtest/gtest.h>

#include "services/online/hmac_sha256.h"
#include "services/online/signed_request.h"
#include "services/online/url_encoding.h"

namespace {

using namespace services::online;

TEST(RequestTexts, AddScoreEncodesBlanksAndSendsTheNameInLowerCase) {
    EXPECT_EQ(AddScoreRequest("Santa 2", 3, 1250, "09 Dec 2026", "1.1"),
              "snatchkin_win.php?option=addscore&user=santa%202&level=3&point=1250&date=09%20Dec%202026"
              "&version=1.1&platform=windows");
}

TEST(RequestTexts, AValueCannotAddParameters) {
    // A name read from a hand-edited settings file stays one value.
    EXPECT_EQ(AddScoreRequest("a&level=9=?#", 1, 5, "01 Jan 2027", "1.1"),
              "snatchkin_win.php?option=addscore&user=a%26level%3D9%3D%3F%23&level=1&point=5"
              "&date=01%20Jan%202027&version=1.1&platform=windows");
}

TEST(RequestTexts, FixedRequests) {
    EXPECT_EQ(GetScoresRequest, "snatchkin_win.php?option=getscore&nbscore=10");
    EXPECT_EQ(VersionRequest, "VersionCheck.php?option=getversion&nbscore=30");
    EXPECT_EQ(OnlineRequestKey.size(), 15u);
}

TEST(UrlEncoding, EncodesAllButUnreservedAndDecodesBack) {
    const std::string every = [] {
        std::string bytes;
        for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
        return bytes;
    }();
    const std::string encoded = PercentEncode(every);
    EXPECT_EQ(
        encoded.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~%"),
        std::string::npos);
    EXPECT_EQ(PercentDecode(encoded), every);
    EXPECT_EQ(PercentEncode(" +'"), "%20%2B%27");
}

TEST(UrlEncoding, DecodeRefusesBrokenEscapes) {
    for (const char* broken : {"%", "%4", "a%zz", "%g0", "abc%2"})
        EXPECT_FALSE(PercentDecode(broken)) << broken;
    EXPECT_EQ(PercentDecode("a+b%41%6a"), "a+bAj");
}

TEST(SignedRequest, AppendsTimeThenTheHmacOfEverythingBefore) {
    const std::string signedText = SignedRequest(GetScoresRequest, OnlineRequestKey, 1765000000);
    const std::string timed = "snatchkin_win.php?option=getscore&nbscore=10&t=1765000000";
    EXPECT_EQ(signedText, timed + "&sig=" + HmacSha256Hex(OnlineRequestKey, timed));
    EXPECT_EQ(signedText.size(), timed.size() + 5 + 64);
}

}  // namespace
