// The score server over HTTP: the limits every request meets before it is
// answered (rate, size, time), then the score service.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

#include "server/score_service.h"

namespace server {

inline constexpr int DefaultPort = 8470;

struct ServerConfig {
    std::string host = "127.0.0.1";
    int port = DefaultPort;  // 0 lets the system choose
    std::string dbPath = "snatchkin-scores.db";
    ServiceSettings service;
    int rateBurst = 30;      // requests an address may make at once
    int ratePerMinute = 60;  // and then on average; 0 turns the limit off
    std::size_t maxTargetBytes = 1024;
    std::size_t maxBodyBytes = 1024;
    std::chrono::milliseconds ioTimeout{5000};  // per read or write, and between kept-alive requests
};

class ScoreServer {
public:
    explicit ScoreServer(ServerConfig config);
    ~ScoreServer();
    ScoreServer(const ScoreServer&) = delete;
    ScoreServer& operator=(const ScoreServer&) = delete;

    // Opens the database and binds the address. The port bound, or 0 with the reason in error.
    int Open(std::string& error);
    // Answers requests until Stop; call after Open succeeded.
    void Serve();
    // True once Serve is answering; Stop before that has no effect.
    bool IsServing() const;
    // Ends Serve; callable from any thread.
    void Stop();

private:
    struct Http;
    ServerConfig config_;
    std::unique_ptr<ScoreStore> store_;
    std::unique_ptr<Http> http_;
};

}  // namespace server
