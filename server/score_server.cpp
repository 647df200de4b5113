// cpp-httplib wiring: limits checked before routing, then the score service.
#include "server/score_server.h"

#include <httplib.h>

#include <cstdlib>

#include "server/rate_limiter.h"

namespace server {

namespace {

constexpr std::size_t kKeepAliveRequests = 100;

std::int64_t UnixSecondsNow() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

void Answer(httplib::Response& response, const Reply& reply) {
    response.status = reply.status;
    response.set_content(reply.body, "text/plain; charset=utf-8");
}

// A Content-Length the limit cannot hold; the body is never read.
bool BodyTooLarge(const httplib::Request& request, std::size_t maxBytes) {
    if (!request.has_header("Content-Length")) return false;
    const std::string length = request.get_header_value("Content-Length");
    return length.size() > 18 || std::strtoull(length.c_str(), nullptr, 10) > maxBytes;
}

void SetConnectionLimits(httplib::Server& server, const ServerConfig& config) {
    server.set_read_timeout(config.ioTimeout);
    server.set_write_timeout(config.ioTimeout);
    server.set_keep_alive_timeout(std::chrono::duration_cast<std::chrono::seconds>(config.ioTimeout).count());
    server.set_keep_alive_max_count(kKeepAliveRequests);
    server.set_payload_max_length(config.maxBodyBytes);
    // Headers and body go out in separate writes; without this, delayed
    // acknowledgements hold every answer about 40 ms.
    server.set_tcp_nodelay(true);
}

// The port bound, or -1.
int Bind(httplib::Server& server, const ServerConfig& config) {
    if (config.port == 0) return server.bind_to_any_port(config.host);
    return server.bind_to_port(config.host, config.port) ? config.port : -1;
}

}  // namespace

struct ScoreServer::Http {
    httplib::Server server;
    RateLimiter limiter;
    Http(int burst, int perMinute) : limiter(burst, perMinute) {}
};

ScoreServer::ScoreServer(ServerConfig config) : config_(std::move(config)) {}

ScoreServer::~ScoreServer() = default;

int ScoreServer::Open(std::string& error) {
    store_ = ScoreStore::Open(config_.dbPath, error);
    if (!store_) return 0;
    http_ = std::make_unique<Http>(config_.rateBurst, config_.ratePerMinute);
    httplib::Server& server = http_->server;
    SetConnectionLimits(server, config_);

    server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        if (!http_->limiter.Allow(request.remote_addr, RateLimiter::Clock::now()))
            Answer(response, {429, "too many requests\n"});
        else if (request.target.size() > config_.maxTargetBytes)
            Answer(response, {414, "request too long\n"});
        else if (BodyTooLarge(request, config_.maxBodyBytes))
            Answer(response, {413, "request too large\n"});
        else
            return httplib::Server::HandlerResponse::Unhandled;
        return httplib::Server::HandlerResponse::Handled;
    });
    const auto answer = [this](const httplib::Request& request, httplib::Response& response) {
        Answer(response, AnswerScoreRequest(*store_, config_.service, request.target, UnixSecondsNow()));
    };
    // The service names the scripts; everything under the base path goes to it.
    server.Get("/scores/.*", answer);

    const int port = Bind(server, config_);
    if (port <= 0) {
        error = "cannot listen on " + config_.host + ":" + std::to_string(config_.port);
        return 0;
    }
    return port;
}

void ScoreServer::Serve() { http_->server.listen_after_bind(); }

bool ScoreServer::IsServing() const { return http_ && http_->server.is_running(); }

void ScoreServer::Stop() {
    if (http_) http_->server.stop();
}

}  // namespace server
