// snatchkin-scored: the score server. Runs until SIGINT or SIGTERM.
#include <signal.h>

#include <iostream>
#include <thread>

#include "server/score_server.h"
#include "server/server_options.h"

namespace {

// Signals are taken by one thread of their own, which stops the server.
void StopOnSignals(server::ScoreServer& scoreServer) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread([signals, &scoreServer] {
        int signal = 0;
        sigwait(&signals, &signal);
        scoreServer.Stop();
    }).detach();
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto config = server::ParseServerOptions({argv + 1, argv + argc}, error);
    if (!config) {
        std::cerr << "snatchkin-scored: " << error << "\n" << server::ServerUsage;
        return 2;
    }
    server::ScoreServer scoreServer(*config);
    StopOnSignals(scoreServer);
    const int port = scoreServer.Open(error);
    if (port == 0) {
        std::cerr << "snatchkin-scored: " << error << "\n";
        return 1;
    }
    std::cout << "snatchkin-scored listening on " << config->host << ":" << port << ", database "
              << config->dbPath << std::endl;
    scoreServer.Serve();
    return 0;
}
