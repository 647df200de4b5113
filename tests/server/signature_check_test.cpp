// The signature check on its own: the time window's edges and what the
// check hands on.
#include "server/signature_check.h"

#include <gtest/gtest.h>

#include "services/online/request_texts.h"
#include "services/online/signed_request.h"

namespace {

using namespace services::online;
using server::CheckSignature;
using server::SignatureVerdict;

TEST(SignatureCheck, TheWindowIsThreeHundredSecondsEitherWay) {
    const std::int64_t now = 1765000000;
    struct Case {
        std::int64_t madeAt;
        SignatureVerdict verdict;
    };
    for (const Case& c : {Case{now, SignatureVerdict::Valid}, Case{now - 300, SignatureVerdict::Valid},
                          Case{now + 300, SignatureVerdict::Valid}, Case{now - 301, SignatureVerdict::Stale},
                          Case{now + 301, SignatureVerdict::Stale}}) {
        const std::string request = SignedRequest(GetScoresRequest, OnlineRequestKey, c.madeAt);
        EXPECT_EQ(CheckSignature(request, OnlineRequestKey, now, 300).verdict, c.verdict) << c.madeAt - now;
    }
}

TEST(SignatureCheck, AValidRequestHandsOnTheTextWithoutTimeAndSignature) {
    const std::string request = SignedRequest(GetScoresRequest, OnlineRequestKey, 42);
    const auto check = CheckSignature(request, OnlineRequestKey, 42, 300);
    ASSERT_EQ(check.verdict, SignatureVerdict::Valid);
    EXPECT_EQ(check.requestText, GetScoresRequest);
    EXPECT_EQ(CheckSignature(request, "k3Rt8vQz1mW5xYB", 42, 300).verdict, SignatureVerdict::Wrong);
    EXPECT_EQ(CheckSignature(GetScoresRequest, OnlineRequestKey, 42, 300).verdict, SignatureVerdict::Missing);
}

}  // namespace
