// The Park-Miller generator: states, draws and the bounds of RandomInt/RandomReal.
#include "platform/random.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(Random, StatesFollowTheMinimalStandardWith48271) {
    platform::SeedRandom(1);
    // One draw takes two states: 48271 and 182605794; the next starts from there.
    platform::RandomInt(0, 1);
    EXPECT_EQ(platform::RandomState(), 182605794u);
    platform::RandomInt(0, 1);
    EXPECT_EQ(platform::RandomState(), 1291394886u * 48271ull % 2147483647u);
}

TEST(Random, KnownSequenceAfterASeed) {
    platform::SeedRandom(12345);
    const int expected[] = {11, 80, 66, 51, 31};
    for (int e : expected) EXPECT_EQ(platform::RandomInt(1, 100), e);
    EXPECT_EQ(platform::RandomState(), 1419946529u);
}

TEST(Random, SeedsThatWouldStickBecome0x1234) {
    for (std::int32_t seed : {0, 0x7FFFFFFF, static_cast<std::int32_t>(0x80000000u), -1}) {
        platform::SeedRandom(seed);
        EXPECT_EQ(platform::RandomState(), 0x1234u) << "seed " << seed;
    }
    platform::SeedRandom(static_cast<std::int32_t>(0x80000005u));  // the top bit is cleared
    EXPECT_EQ(platform::RandomState(), 5u);
}

TEST(Random, FallbackStateGivesItsFirstDraw) {
    platform::SeedRandom(0);
    EXPECT_DOUBLE_EQ(platform::RandomReal(0.0, 1.0), 0.4189887270692887);
}

TEST(Random, RandomIntCoversBothBoundsInEitherOrder) {
    platform::SeedRandom(99);
    std::map<int, int> seen;
    for (int i = 0; i < 20000; ++i) ++seen[platform::RandomInt(180, 1)];
    EXPECT_EQ(seen.begin()->first, 1);
    EXPECT_EQ(seen.rbegin()->first, 180);
    EXPECT_EQ(seen.size(), 180u);
}

TEST(Random, RandomIntOfEqualBoundsAndOfZeroOne) {
    platform::SeedRandom(7);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(platform::RandomInt(5, 5), 5);
    int ones = 0;
    for (int i = 0; i < 10000; ++i) {
        int v = platform::RandomInt(0, 1);
        ASSERT_TRUE(v == 0 || v == 1);
        ones += v;
    }
    EXPECT_NEAR(ones, 5000, 200);
}

TEST(Random, RandomRealStaysBetweenBoundsInEitherOrder) {
    platform::SeedRandom(3);
    for (int i = 0; i < 1000; ++i) {
        double up = platform::RandomReal(-2.0, 3.0);
        double down = platform::RandomReal(3.0, -2.0);
        EXPECT_GE(up, -2.0);
        EXPECT_LT(up, 3.0);
        EXPECT_GE(down, -2.0);
        EXPECT_LT(down, 3.0);
    }
}

TEST(Random, SinDegTakesDegrees) {
    EXPECT_NEAR(platform::SinDeg(90), 1.0, 1e-12);
    EXPECT_NEAR(platform::SinDeg(30), 0.5, 1e-12);
    EXPECT_NEAR(platform::SinDeg(-270), 1.0, 1e-12);
}

}  // namespace
