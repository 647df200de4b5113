// Not a test: the score server's load on loopback. Runs the server in-process
// over a scratch database (no rate limit), then several keep-alive clients
// send get-scores and then add-score requests for a while; prints requests
// per second and the latency percentiles of each.
//   build/tests/server/server_load_bench [SECONDS_PER_KIND] [CLIENTS]
#include <httplib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "server/score_server.h"
#include "services/online/request_queue.h"
#include "services/online/request_texts.h"
#include "services/online/signed_request.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace services::online;

struct Figures {
    double perSecond = 0;
    double p50Ms = 0;
    double p99Ms = 0;
    int failures = 0;
};

// Each client sends the requests makeRequest gives it until the time is up.
template <class MakeRequest>
Figures Load(int port, int clients, double seconds, MakeRequest makeRequest) {
    std::vector<std::vector<double>> latencies(static_cast<std::size_t>(clients));
    std::atomic<int> failures{0};
    const auto end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", port);
            client.set_url_encode(false);
            client.set_keep_alive(true);
            for (int n = 0; Clock::now() < end; ++n) {
                const std::string target =
                    "/scores/" + SignedRequest(makeRequest(c, n), OnlineRequestKey, SystemUnixSeconds());
                const auto start = Clock::now();
                const auto result = client.Get(target);
                const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                if (!result || result->status != 200) ++failures;
                latencies[static_cast<std::size_t>(c)].push_back(ms);
            }
        });
    }
    for (auto& thread : threads) thread.join();
    std::vector<double> all;
    for (const auto& some : latencies) all.insert(all.end(), some.begin(), some.end());
    std::sort(all.begin(), all.end());
    Figures figures;
    if (all.empty()) return figures;
    figures.perSecond = static_cast<double>(all.size()) / seconds;
    figures.p50Ms = all[all.size() / 2];
    figures.p99Ms = all[std::min(all.size() - 1, all.size() * 99 / 100)];
    figures.failures = failures;
    return figures;
}

void Print(const char* kind, const Figures& f) {
    std::printf("%-10s %9.0f requests/s   p50 %7.3f ms   p99 %7.3f ms   failures %d\n", kind, f.perSecond,
                f.p50Ms, f.p99Ms, f.failures);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    const int clients = argc > 2 ? std::atoi(argv[2]) : 4;
    const auto db =
        std::filesystem::temp_directory_path() / ("snatchkin_bench_" + std::to_string(::getpid()) + ".db");

    server::ServerConfig config;
    config.port = 0;
    config.dbPath = db.string();
    config.ratePerMinute = 0;
    server::ScoreServer scoreServer(config);
    std::string error;
    const int port = scoreServer.Open(error);
    if (port == 0) {
        std::fprintf(stderr, "server_load_bench: %s\n", error.c_str());
        return 1;
    }
    std::thread serving([&] { scoreServer.Serve(); });
    while (!scoreServer.IsServing()) std::this_thread::yield();

    // A table of a realistic size to rank.
    Load(port, 1, 0.5,
         [](int, int n) { return AddScoreRequest("seed", 1 + n % 50, 1 + n * 7, "09 Dec 2026", "1.1"); });
    std::printf("%d clients, %.1f s per kind, loopback, WAL with synchronous=FULL\n", clients, seconds);
    Print("get-scores", Load(port, clients, seconds, [](int, int) { return std::string(GetScoresRequest); }));
    Print("add-score", Load(port, clients, seconds, [](int c, int n) {
              return AddScoreRequest("bench" + std::to_string(c), 1 + n % 999, 1 + n, "10 Dec 2026", "1.1");
          }));

    scoreServer.Stop();
    serving.join();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(db.string() + suffix);
    return 0;
}
