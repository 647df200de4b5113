// The SQLite score table: WAL with synchronous=FULL, parameterised statements only.
#include "server/score_store.h"

#include <sqlite3.h>

namespace server {

namespace {

// WAL lets readers go on while a score is written; FULL syncs the log at every
// commit, so "ok" is only answered once the score is on disk.
constexpr const char* kUseWal = "PRAGMA journal_mode = WAL";
constexpr const char* kSetUp = R"sql(
PRAGMA synchronous = FULL;
CREATE TABLE IF NOT EXISTS scores (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL,
    level INTEGER NOT NULL,
    score INTEGER NOT NULL,
    date TEXT NOT NULL,
    version TEXT NOT NULL,
    platform TEXT NOT NULL,
    received_at INTEGER NOT NULL,
    UNIQUE (name, level, score, date)
);
CREATE INDEX IF NOT EXISTS scores_by_rank ON scores (score DESC, id ASC);
)sql";

constexpr const char* kInsert =
    "INSERT OR IGNORE INTO scores (name, level, score, date, version, platform, received_at) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)";
constexpr const char* kTop = "SELECT name, level, score FROM scores ORDER BY score DESC, id ASC LIMIT ?1";
constexpr int kBusyTimeoutMs = 2000;

void BindText(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))) : "";
}

// The pragma answers the mode in force, which stays "delete" where WAL cannot work.
bool UsesWal(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    bool wal = false;
    if (sqlite3_prepare_v2(db, kUseWal, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        wal = ColumnText(statement, 0) == "wal";
    sqlite3_finalize(statement);
    return wal;
}

}  // namespace

std::unique_ptr<ScoreStore> ScoreStore::Open(const std::string& path, std::string& error) {
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<ScoreStore> store(new ScoreStore(db));
    if (!store->Prepare(error)) return nullptr;
    return store;
}

ScoreStore::ScoreStore(sqlite3* db) : db_(db) {}

ScoreStore::~ScoreStore() {
    sqlite3_finalize(insert_);
    sqlite3_finalize(top_);
    sqlite3_close(db_);
}

bool ScoreStore::Prepare(std::string& error) {
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    if (!UsesWal(db_)) {
        error = "the database cannot use a write-ahead log";
        return false;
    }
    char* message = nullptr;
    if (sqlite3_exec(db_, kSetUp, nullptr, nullptr, &message) != SQLITE_OK) {
        error = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        return false;
    }
    if (sqlite3_prepare_v2(db_, kInsert, -1, &insert_, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db_, kTop, -1, &top_, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

bool ScoreStore::Add(const NewScore& score) {
    std::lock_guard lock(mutex_);
    BindText(insert_, 1, score.name);
    sqlite3_bind_int(insert_, 2, score.level);
    sqlite3_bind_int(insert_, 3, score.score);
    BindText(insert_, 4, score.date);
    BindText(insert_, 5, score.version);
    BindText(insert_, 6, score.platform);
    sqlite3_bind_int64(insert_, 7, score.receivedAt);
    // One statement in autocommit mode: one transaction, committed before step returns.
    const bool stored = sqlite3_step(insert_) == SQLITE_DONE;
    sqlite3_reset(insert_);
    sqlite3_clear_bindings(insert_);
    return stored;
}

std::optional<std::vector<RankedScore>> ScoreStore::Top(int count) {
    std::lock_guard lock(mutex_);
    std::vector<RankedScore> ranked;
    sqlite3_bind_int(top_, 1, count);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(top_)) == SQLITE_ROW)
        ranked.push_back({ColumnText(top_, 0), sqlite3_column_int(top_, 1), sqlite3_column_int(top_, 2)});
    sqlite3_reset(top_);
    if (step != SQLITE_DONE) return std::nullopt;
    return ranked;
}

}  // namespace server
