// The online request library: requests sent under a command id go into a
// queue and are carried out one after another, in the order sent, over HTTP.
// Nothing here blocks: Update makes progress and returns at once.
//
// Receive rule: each sent command yields exactly one answer (success or
// failure) once it has ended. Receive hands that answer over once and makes it
// the current answer; a second Receive for the same id answers 0 until a later
// command under that id has ended (answers of one id come in the order sent).
// Sending under an id drops an answer of that id that was never received, so
// a reused id never sees a stale answer.
//
// Every exchange is bounded in real time (a steady clock and libcurl's own
// time-outs, never a count of updates), and a command that cannot reach the
// server fails the commands queued behind it too, so an unreachable server
// costs one time-out per batch.
#pragma once

#include <curl/curl.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace services::online {

// States of an answer. Only AnswerSucceeded (2) means the lines are the server's.
enum AnswerState : int {
    NoAnswer = 0,         // nothing received yet
    AnswerSucceeded = 2,  // HTTP 200, complete and within the size limit
    AnswerFailed = 3,     // no connection, timed out, or the answer was too large
    AnswerRefused = 4,    // the server answered with another status
};

struct RequestLimits {
    std::chrono::milliseconds connectTimeout{2000};
    std::chrono::milliseconds transferTimeout{4000};  // the whole exchange, connection included
    std::size_t maxAnswerBytes = 64 * 1024;
};

std::int64_t SystemUnixSeconds();

class RequestQueue {
public:
    using UnixClock = std::function<std::int64_t()>;

    explicit RequestQueue(RequestLimits limits = {}, UnixClock unixSeconds = SystemUnixSeconds);
    ~RequestQueue();
    RequestQueue(const RequestQueue&) = delete;
    RequestQueue& operator=(const RequestQueue&) = delete;

    // The base address every later request goes to ("http://host:port/scores");
    // a trailing '/' is dropped.
    void SetServer(std::string_view base);
    // The key that signs every later request.
    void SetKey(std::string_view key);

    // Queues base + "/" + the request text, with its time and signature.
    void Send(int commandId, std::string_view requestText);
    // Starts, advances and ends transfers; never waits.
    void Update();
    // Commands sent and not yet ended; reaches 0 once each has ended.
    int GetNumberOfCommandsInQueue() const;
    // 1 when an answer to that command id was waiting: it becomes current.
    int Receive(int commandId);

    int GetState() const;
    int GetNbOfLines() const;
    // Line number from 1; an empty text for a number outside the answer.
    std::string GetResult(int line) const;
    std::span<const std::string> CurrentLines() const;

    // Waits up to the given time for network activity of the running transfer
    // (returns at once when none runs), so a loop whose own waits pass no real
    // time need not spin.
    void WaitForActivity(int ms);

private:
    struct Answer {
        int state = NoAnswer;
        std::vector<std::string> lines;
    };
    struct Command {
        int id;
        std::string url;
    };
    struct Transfer;

    void StartNextCommand();
    void EndTransfer(Answer answer, bool serverUnreachable);
    Answer AnswerOfFinishedTransfer(CURLcode result, bool& serverUnreachable) const;

    RequestLimits limits_;
    UnixClock unixSeconds_;
    std::string base_;
    std::string key_;
    CURLM* multi_;
    std::deque<Command> waiting_;
    std::unique_ptr<Transfer> running_;
    std::deque<std::pair<int, Answer>> arrived_;
    Answer current_;
};

}  // namespace services::online
