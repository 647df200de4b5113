// The score table in SQLite. Each accepted score is one transaction, committed
// to the write-ahead log with a sync before Add returns, so an answered score
// survives the server being killed (and the machine losing power).
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace server {

struct NewScore {
    std::string name;
    int level = 0;
    int score = 0;
    std::string date;
    std::string version;
    std::string platform;
    std::int64_t receivedAt = 0;  // Unix seconds
};

struct RankedScore {
    std::string name;
    int level = 0;
    int score = 0;
};

class ScoreStore {
public:
    // Opens or creates the database; nothing (and the reason in error) when it cannot.
    static std::unique_ptr<ScoreStore> Open(const std::string& path, std::string& error);
    ~ScoreStore();
    ScoreStore(const ScoreStore&) = delete;
    ScoreStore& operator=(const ScoreStore&) = delete;

    // Stores the score; the same name, level, score and date again is the same
    // entry and stores nothing. False only when the database failed.
    bool Add(const NewScore& score);

    // The best scores, highest first; of equal scores the one stored first.
    // Nothing when the database failed.
    std::optional<std::vector<RankedScore>> Top(int count);

private:
    explicit ScoreStore(sqlite3* db);
    bool Prepare(std::string& error);

    sqlite3* db_;
    sqlite3_stmt* insert_ = nullptr;
    sqlite3_stmt* top_ = nullptr;
    std::mutex mutex_;
};

}  // namespace server
