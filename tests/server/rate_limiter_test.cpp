// The rate limiter's buckets, on a clock the test moves.
#include "server/rate_limiter.h"

#include <gtest/gtest.h>

namespace {

using server::RateLimiter;
using std::chrono::seconds;

TEST(RateLimiter, ABurstThenOneRequestPerRefill) {
    RateLimiter limiter(3, 60);  // one token a second
    const auto start = RateLimiter::Clock::time_point{} + seconds(1000);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(limiter.Allow("10.0.0.1", start)) << i;
    EXPECT_FALSE(limiter.Allow("10.0.0.1", start));
    EXPECT_FALSE(limiter.Allow("10.0.0.1", start + std::chrono::milliseconds(900)));
    EXPECT_TRUE(limiter.Allow("10.0.0.1", start + seconds(1)));
    EXPECT_FALSE(limiter.Allow("10.0.0.1", start + seconds(1)));
    // Refused requests take nothing; a long pause refills only up to the burst.
    const auto later = start + seconds(3600);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(limiter.Allow("10.0.0.1", later)) << i;
    EXPECT_FALSE(limiter.Allow("10.0.0.1", later));
}

TEST(RateLimiter, EachAddressHasItsOwnBucket) {
    RateLimiter limiter(1, 60);
    const auto now = RateLimiter::Clock::time_point{} + seconds(5);
    EXPECT_TRUE(limiter.Allow("10.0.0.1", now));
    EXPECT_FALSE(limiter.Allow("10.0.0.1", now));
    EXPECT_TRUE(limiter.Allow("10.0.0.2", now));
    EXPECT_TRUE(limiter.Allow("::1", now));
}

TEST(RateLimiter, ManyAddressesDoNotEmptyTheMemoryOfAnExhaustedOne) {
    RateLimiter limiter(2, 60);
    const auto now = RateLimiter::Clock::time_point{} + seconds(5);
    EXPECT_TRUE(limiter.Allow("busy", now));
    EXPECT_TRUE(limiter.Allow("busy", now));
    // Enough addresses to make the limiter forget buckets: only full ones go.
    for (int i = 0; i < 10000; ++i) limiter.Allow("scan" + std::to_string(i), now);
    EXPECT_FALSE(limiter.Allow("busy", now));
}

TEST(RateLimiter, ZeroPerMinuteIsNoLimit) {
    RateLimiter limiter(1, 0);
    const auto now = RateLimiter::Clock::time_point{};
    for (int i = 0; i < 100; ++i) EXPECT_TRUE(limiter.Allow("10.0.0.1", now));
}

}  // namespace
