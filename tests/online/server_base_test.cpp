// The score server's base: built in, or named by SNATCHKIN_SCORE_SERVER.
#include "services/online/server_base.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using services::online::EffectiveScoreServerBase;
using services::online::ScoreServerBase;

TEST(ServerBase, TheEnvironmentReplacesTheBuiltInBaseWhenSet) {
    ::unsetenv("SNATCHKIN_SCORE_SERVER");
    EXPECT_EQ(EffectiveScoreServerBase(), ScoreServerBase);
    ::setenv("SNATCHKIN_SCORE_SERVER", "", 1);
    EXPECT_EQ(EffectiveScoreServerBase(), ScoreServerBase);
    ::setenv("SNATCHKIN_SCORE_SERVER", "http://10.1.2.3:9000/scores", 1);
    EXPECT_EQ(EffectiveScoreServerBase(), "http://10.1.2.3:9000/scores");
    ::unsetenv("SNATCHKIN_SCORE_SERVER");
}

TEST(ServerBase, TheBuiltInBaseIsAnHttpAddressEndingInScores) {
    EXPECT_TRUE(ScoreServerBase.starts_with("http://")) << ScoreServerBase;
    EXPECT_TRUE(ScoreServerBase.ends_with("/scores")) << ScoreServerBase;
}

}  // namespace
