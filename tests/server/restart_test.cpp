// snatchkin-scored as a child process: scores it accepted survive it being
// killed outright and are served again after a restart on the same database.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tests/server/running_server.h"

namespace {

using namespace services::online;

// The server process, started on a port of the system's choosing.
class ChildServer {
public:
    explicit ChildServer(const std::string& db) {
        int out[2];
        if (::pipe(out) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::execl(SCORED_PATH, SCORED_PATH, "--listen", "127.0.0.1:0", "--db", db.c_str(), "--rate-limit",
                    "0", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        // The first line names the address: "... listening on 127.0.0.1:PORT, ..."
        FILE* lines = ::fdopen(out[0], "r");
        char line[256] = {};
        const bool gotLine = std::fgets(line, sizeof line, lines) != nullptr;
        std::fclose(lines);
        const std::string text = gotLine ? line : "";
        const std::size_t at = text.find("127.0.0.1:");
        if (at != std::string::npos) port_ = std::stoi(text.substr(at + 10));
    }
    ~ChildServer() { Kill(SIGKILL); }

    int Port() const { return port_; }
    // Ends the process with the signal and waits for it; the exit status as waitpid gives it.
    int Kill(int signal) {
        if (pid_ <= 0) return 0;
        ::kill(pid_, signal);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
        return status;
    }

    httplib::Result Send(const std::string& requestText) const {
        httplib::Client client("127.0.0.1", port_);
        client.set_url_encode(false);
        client.set_read_timeout(std::chrono::seconds(2));
        return client.Get("/scores/" + SignedRequest(requestText, OnlineRequestKey, SystemUnixSeconds()));
    }

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

TEST(ScoredProcess, AcceptedScoresSurviveAKillAndARestart) {
    const auto db = testing_support::TempPathForThisTest("restart.db");
    {
        ChildServer first(db.string());
        ASSERT_GT(first.Port(), 0);
        for (int score : {300, 1250, 800}) {
            const auto result = first.Send(AddScoreRequest("Santa", 4, score, "09 Dec 2026", "1.1"));
            ASSERT_TRUE(result);
            ASSERT_EQ(result->status, 200);
        }
        const int status = first.Kill(SIGKILL);
        EXPECT_TRUE(WIFSIGNALED(status));
    }
    ChildServer second(db.string());
    ASSERT_GT(second.Port(), 0);
    const auto table = second.Send(std::string(GetScoresRequest));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->body, "santa\n4\n1250\nsanta\n4\n800\nsanta\n4\n300\n");
    // SIGTERM ends it cleanly.
    const int status = second.Kill(SIGTERM);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    testing_support::RemoveDatabase(db);
}

TEST(ScoredProcess, BadOptionsAreRefused) {
    for (const char* options : {"--listen x:y", "--listen 127.0.0.1:70000", "--current-version 1.x",
                                "--rate-limit -1", "--burst 0", "--port 8470", "--db"}) {
        // A refused option exits at once; the time limit only keeps a wrong answer from hanging the test.
        std::string command = "timeout 10 ";
        command.append(SCORED_PATH).append(" ").append(options).append(" >/dev/null 2>&1 </dev/null");
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << options;
    }
}

}  // namespace
