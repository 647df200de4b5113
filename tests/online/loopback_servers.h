// Small servers on loopback ports chosen at run time, for the request queue's
// tests: one that answers through cpp-httplib, one that accepts connections
// and never answers, and a port where nothing listens.
#pragma once

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <thread>

namespace testing_support {

// A bound and listening socket that never accepts: the kernel completes the
// connection, the request is sent, and no answer ever comes.
class SilentListener {
public:
    SilentListener() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(socket_, 8) != 0 ||
            ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("cannot listen on loopback");
        port_ = ntohs(address.sin_port);
    }
    ~SilentListener() { ::close(socket_); }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    int Port() const { return port_; }

private:
    int socket_;
    int port_ = 0;
};

// A loopback port that refuses connections: bound once, then closed.
inline int ClosedPort() {
    SilentListener listener;
    return listener.Port();
}

// A cpp-httplib server on a port of its own, answering from its own thread.
class TestHttpServer {
public:
    TestHttpServer() = default;
    ~TestHttpServer() {
        server.stop();
        if (thread_.joinable()) thread_.join();
    }
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    // Call once the routes are set.
    void Start() {
        port_ = server.bind_to_any_port("127.0.0.1");
        if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
        thread_ = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running()) std::this_thread::yield();
    }
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/scores"; }

    httplib::Server server;

private:
    int port_ = 0;
    std::thread thread_;
};

}  // namespace testing_support
