// The request queue against loopback servers: the wire form, the receive rule,
// the order of commands, and the real-time bounds with a caller that spins.
#include "services/online/request_queue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <vector>

#include "services/online/request_texts.h"
#include "services/online/signed_request.h"
#include "tests/online/loopback_servers.h"

namespace {

using namespace services::online;
using std::chrono::milliseconds;
using std::chrono::steady_clock;
using testing_support::TestHttpServer;

constexpr std::int64_t kFixedTime = 1765000000;

RequestLimits ShortLimits() {
    RequestLimits limits;
    limits.connectTimeout = milliseconds(300);
    limits.transferTimeout = milliseconds(400);
    return limits;
}

// Spins Update with no sleeps until the queue is empty; the longest single
// Update and the whole time taken.
struct Spin {
    milliseconds longestUpdate{0};
    milliseconds total{0};
    int updates = 0;
};

Spin SpinUntilDone(RequestQueue& queue, int waitMs = 0) {
    Spin spin;
    const auto start = steady_clock::now();
    while (queue.GetNumberOfCommandsInQueue() != 0 &&
           steady_clock::now() - start < std::chrono::seconds(10)) {
        const auto before = steady_clock::now();
        queue.Update();
        spin.longestUpdate = std::max(spin.longestUpdate,
                                      std::chrono::duration_cast<milliseconds>(steady_clock::now() - before));
        ++spin.updates;
        if (waitMs > 0) queue.WaitForActivity(waitMs);
    }
    spin.total = std::chrono::duration_cast<milliseconds>(steady_clock::now() - start);
    return spin;
}

// Answers every path under /scores/ with "path" + the lines given for it.
class AnsweringServer : public ::testing::Test {
protected:
    void SetUp() override {
        http.server.Get("/scores/(.*)", [this](const httplib::Request& request, httplib::Response& response) {
            {
                std::lock_guard lock(mutex);
                targets.push_back(request.target);
            }
            const std::string path = request.matches[1];
            if (path == "slow") std::this_thread::sleep_for(milliseconds(100));
            if (path == "refuse") response.status = 403;
            if (path == "large") {
                response.set_content(std::string(64 * 1024 + 1, 'x'), "text/plain");
                return;
            }
            if (path == "large-chunked") {
                response.set_chunked_content_provider("text/plain", [](std::size_t, httplib::DataSink& sink) {
                    const std::string block(8 * 1024, 'x');
                    for (int i = 0; i < 9; ++i) sink.write(block.data(), block.size());
                    sink.done();
                    return true;
                });
                return;
            }
            response.set_content(path + "\nsecond\r\nthird\n", "text/plain");
        });
        http.Start();
        queue.SetServer(http.Base());
        queue.SetKey(OnlineRequestKey);
    }

    std::vector<std::string> Targets() {
        std::lock_guard lock(mutex);
        return targets;
    }

    TestHttpServer http;
    std::mutex mutex;
    std::vector<std::string> targets;
    RequestQueue queue{ShortLimits(), [] { return kFixedTime; }};
};

TEST_F(AnsweringServer, RequestCarriesTimeAndSignatureAfterTheBase) {
    queue.Send(GetScoresCommand, GetScoresRequest);
    SpinUntilDone(queue);
    ASSERT_EQ(Targets().size(), 1u);
    EXPECT_EQ(Targets()[0], "/scores/" + SignedRequest(GetScoresRequest, OnlineRequestKey, kFixedTime));
}

TEST_F(AnsweringServer, ATrailingSlashOnTheBaseIsDropped) {
    queue.SetServer(http.Base() + "/");
    queue.Send(2, "plain?x=1");
    SpinUntilDone(queue);
    ASSERT_EQ(Targets().size(), 1u);
    EXPECT_TRUE(Targets()[0].starts_with("/scores/plain?x=1&t=")) << Targets()[0];
}

TEST_F(AnsweringServer, SuccessGivesTheLines) {
    queue.Send(2, "lines?a=1");
    EXPECT_EQ(queue.GetNumberOfCommandsInQueue(), 1);
    SpinUntilDone(queue);
    EXPECT_EQ(queue.GetNumberOfCommandsInQueue(), 0);
    ASSERT_EQ(queue.Receive(2), 1);
    EXPECT_EQ(queue.GetState(), AnswerSucceeded);
    ASSERT_EQ(queue.GetNbOfLines(), 3);
    EXPECT_EQ(queue.GetResult(1), "lines");
    EXPECT_EQ(queue.GetResult(2), "second");
    EXPECT_EQ(queue.GetResult(3), "third");
    EXPECT_EQ(queue.GetResult(0), "");
    EXPECT_EQ(queue.GetResult(4), "");
}

TEST_F(AnsweringServer, RefusalsAndOversizedAnswersAreNotSuccess) {
    struct Case {
        const char* path;
        int state;
    };
    for (const Case& c : {Case{"refuse?a=1", AnswerRefused}, Case{"large?a=1", AnswerFailed},
                          Case{"large-chunked?a=1", AnswerFailed}}) {
        queue.Send(2, c.path);
        SpinUntilDone(queue);
        ASSERT_EQ(queue.Receive(2), 1) << c.path;
        EXPECT_EQ(queue.GetState(), c.state) << c.path;
        EXPECT_EQ(queue.GetNbOfLines(), 0) << c.path;
    }
}

TEST_F(AnsweringServer, AnAnswerIsHandedOverOnce) {
    EXPECT_EQ(queue.Receive(2), 0);
    EXPECT_EQ(queue.GetState(), NoAnswer);
    queue.Send(2, "first?a=1");
    SpinUntilDone(queue);
    EXPECT_EQ(queue.Receive(1), 0);
    ASSERT_EQ(queue.Receive(2), 1);
    EXPECT_EQ(queue.Receive(2), 0);
    // The current answer stays until another is received.
    EXPECT_EQ(queue.GetState(), AnswerSucceeded);
    EXPECT_EQ(queue.GetResult(1), "first");
}

TEST_F(AnsweringServer, AReusedIdNeverSeesAStaleAnswer) {
    queue.Send(2, "stale?a=1");
    SpinUntilDone(queue);  // answered, never received
    queue.Send(2, "fresh?a=1");
    SpinUntilDone(queue);
    ASSERT_EQ(queue.Receive(2), 1);
    EXPECT_EQ(queue.GetResult(1), "fresh");
    EXPECT_EQ(queue.Receive(2), 0);
}

TEST_F(AnsweringServer, CommandsRunOneAfterAnotherInTheOrderSent) {
    queue.Send(1, "slow?a=1");
    queue.Send(2, "fast?a=1");
    EXPECT_EQ(queue.GetNumberOfCommandsInQueue(), 2);
    SpinUntilDone(queue);
    const auto targets = Targets();
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_TRUE(targets[0].starts_with("/scores/slow"));
    EXPECT_TRUE(targets[1].starts_with("/scores/fast"));
    ASSERT_EQ(queue.Receive(2), 1);
    EXPECT_EQ(queue.GetResult(1), "fast");
    ASSERT_EQ(queue.Receive(1), 1);
    EXPECT_EQ(queue.GetResult(1), "slow");
}

TEST(RequestQueueBounds, AServerThatNeverAnswersEndsWithinTheBoundWhileTheCallerSpins) {
    testing_support::SilentListener silent;
    RequestQueue queue(ShortLimits());
    queue.SetServer("http://127.0.0.1:" + std::to_string(silent.Port()) + "/scores");
    queue.SetKey(OnlineRequestKey);
    queue.Send(AddScoreCommand, AddScoreRequest("santa", 1, 250, "09 Dec 2026", "1.1"));
    queue.Send(GetScoresCommand, GetScoresRequest);

    const Spin spin = SpinUntilDone(queue);
    EXPECT_EQ(queue.GetNumberOfCommandsInQueue(), 0);
    // One transfer time-out for both: the second command fails with the first.
    EXPECT_GE(spin.total, milliseconds(350));
    EXPECT_LT(spin.total, milliseconds(750));
    EXPECT_LT(spin.longestUpdate, milliseconds(100)) << "Update blocked";
    for (int id : {AddScoreCommand, GetScoresCommand}) {
        ASSERT_EQ(queue.Receive(id), 1);
        EXPECT_EQ(queue.GetState(), AnswerFailed);
        EXPECT_EQ(queue.GetNbOfLines(), 0);
    }
}

TEST(RequestQueueBounds, WaitForActivityKeepsTheLoopFromSpinning) {
    testing_support::SilentListener silent;
    RequestQueue queue(ShortLimits());
    queue.SetServer("http://127.0.0.1:" + std::to_string(silent.Port()) + "/scores");
    queue.Send(2, GetScoresRequest);
    const Spin spin = SpinUntilDone(queue, 10);
    EXPECT_LT(spin.total, milliseconds(1500));
    // About one pass per 10 ms of the 400 ms bound, not thousands.
    EXPECT_LT(spin.updates, 100);
}

TEST(RequestQueueBounds, WaitForActivityReturnsAtOnceWithNothingRunning) {
    RequestQueue queue;
    const auto start = steady_clock::now();
    queue.WaitForActivity(500);
    EXPECT_LT(steady_clock::now() - start, milliseconds(100));
}

TEST(RequestQueueBounds, AStoppedServerOrNoServerFailsQuickly) {
    for (const std::string& base :
         {"http://127.0.0.1:" + std::to_string(testing_support::ClosedPort()) + "/scores", std::string()}) {
        RequestQueue queue(ShortLimits());
        queue.SetServer(base);
        queue.Send(2, GetScoresRequest);
        const Spin spin = SpinUntilDone(queue);
        EXPECT_LT(spin.total, milliseconds(350)) << base;
        ASSERT_EQ(queue.Receive(2), 1) << base;
        EXPECT_EQ(queue.GetState(), AnswerFailed) << base;
    }
}

}  // namespace
