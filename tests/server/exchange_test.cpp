// The game's side of the exchange against the real score server: the request
// library, the request texts and the answer readers together.
#include <gtest/gtest.h>

#include <chrono>

#include "services/online/answer_parsers.h"
#include "services/online/request_queue.h"
#include "services/online/request_texts.h"
#include "tests/server/running_server.h"

namespace {

using namespace services::online;
using testing_support::RunningServer;
using testing_support::UnlimitedConfig;

RequestLimits ShortLimits() {
    RequestLimits limits;
    limits.connectTimeout = std::chrono::milliseconds(500);
    limits.transferTimeout = std::chrono::milliseconds(2000);
    return limits;
}

void RunUntilDone(RequestQueue& queue) {
    while (queue.GetNumberOfCommandsInQueue() != 0) {
        queue.Update();
        queue.WaitForActivity(10);
    }
}

TEST(Exchange, AScoreSentBeforeTheTableIsInTheTable) {
    RunningServer server(UnlimitedConfig());
    RequestQueue queue(ShortLimits());
    queue.SetServer(server.Base());
    queue.SetKey(OnlineRequestKey);

    queue.Send(AddScoreCommand, AddScoreRequest("Rudolph", 2, 900, "24 Dec 2026", "1.1"));
    queue.Send(AddScoreCommand, AddScoreRequest("Santa 2", 7, 12500, "09 Dec 2026", "1.1"));
    queue.Send(GetScoresCommand, GetScoresRequest);
    RunUntilDone(queue);

    ASSERT_EQ(queue.Receive(AddScoreCommand), 1);
    EXPECT_EQ(queue.GetState(), AnswerSucceeded);
    ASSERT_EQ(queue.Receive(AddScoreCommand), 1);
    EXPECT_EQ(queue.GetState(), AnswerSucceeded);
    ASSERT_EQ(queue.Receive(GetScoresCommand), 1);
    ASSERT_EQ(queue.GetState(), AnswerSucceeded);
    const auto rows = ReadOnlineRows(queue.CurrentLines());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "santa 2");
    EXPECT_EQ(rows[0].level, "7");
    EXPECT_EQ(rows[0].score, "12500");
    EXPECT_EQ(rows[1].name, "rudolph");
}

TEST(Exchange, TheVersionCheckFindsTheServersVersion) {
    server::ServerConfig config = UnlimitedConfig();
    config.service.currentVersion = "1.2";
    RunningServer server(config);
    RequestQueue queue(ShortLimits());
    queue.SetServer(server.Base());
    queue.SetKey(OnlineRequestKey);
    queue.Send(VersionCommand, VersionRequest);
    RunUntilDone(queue);
    ASSERT_EQ(queue.Receive(VersionCommand), 1);
    ASSERT_EQ(queue.GetState(), AnswerSucceeded);
    EXPECT_EQ(FindProductVersion(queue.CurrentLines()), "1.2");
}

TEST(Exchange, AClockFarOffOrAnotherKeyIsRefused) {
    RunningServer server(UnlimitedConfig());
    struct Case {
        std::string key;
        std::int64_t secondsOff;
    };
    for (const Case& c : {Case{std::string(OnlineRequestKey), 3600}, Case{"another key 123", 0}}) {
        RequestQueue queue(ShortLimits(), [&] { return SystemUnixSeconds() + c.secondsOff; });
        queue.SetServer(server.Base());
        queue.SetKey(c.key);
        queue.Send(GetScoresCommand, GetScoresRequest);
        RunUntilDone(queue);
        ASSERT_EQ(queue.Receive(GetScoresCommand), 1);
        EXPECT_EQ(queue.GetState(), AnswerRefused) << c.key << " " << c.secondsOff;
        EXPECT_EQ(queue.GetNbOfLines(), 0);
    }
}

}  // namespace
