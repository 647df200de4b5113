// The score server in-process on a loopback port chosen at run time, over a
// scratch database, and a client that signs what it sends.
#pragma once

#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include "server/score_server.h"
#include "services/online/request_queue.h"
#include "services/online/request_texts.h"
#include "services/online/signed_request.h"
#include "tests/temp_path.h"

namespace testing_support {

inline void RemoveDatabase(const std::filesystem::path& db) {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(db.string() + suffix);
}

class RunningServer {
public:
    explicit RunningServer(server::ServerConfig config, const std::string& dbTag = "scores")
        : db_(TempPathForThisTest(dbTag + ".db")) {
        config.host = "127.0.0.1";
        config.port = 0;
        config.dbPath = db_.string();
        server_ = std::make_unique<server::ScoreServer>(config);
        std::string error;
        port_ = server_->Open(error);
        if (port_ == 0) throw std::runtime_error(error);
        thread_ = std::thread([this] { server_->Serve(); });
        while (!server_->IsServing()) std::this_thread::yield();
    }
    ~RunningServer() {
        server_->Stop();
        thread_.join();
        server_.reset();
        RemoveDatabase(db_);
    }
    RunningServer(const RunningServer&) = delete;
    RunningServer& operator=(const RunningServer&) = delete;

    int Port() const { return port_; }
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/scores"; }

    // GET /scores/ + the request text, signed with the game's key at the given time offset.
    httplib::Result SendSigned(const std::string& requestText, std::int64_t secondsOff = 0) const {
        return SendRaw(services::online::SignedRequest(requestText, services::online::OnlineRequestKey,
                                                       services::online::SystemUnixSeconds() + secondsOff));
    }
    // GET /scores/ + exactly this text.
    httplib::Result SendRaw(const std::string& afterBase) const {
        httplib::Client client("127.0.0.1", port_);
        client.set_url_encode(false);  // the text goes out exactly as signed
        client.set_connection_timeout(std::chrono::seconds(2));
        client.set_read_timeout(std::chrono::seconds(2));
        return client.Get("/scores/" + afterBase);
    }

private:
    std::filesystem::path db_;
    std::unique_ptr<server::ScoreServer> server_;
    int port_ = 0;
    std::thread thread_;
};

// A configuration without a rate limit, for tests about other things.
inline server::ServerConfig UnlimitedConfig() {
    server::ServerConfig config;
    config.ratePerMinute = 0;
    return config;
}

}  // namespace testing_support
