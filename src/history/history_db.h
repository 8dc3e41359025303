#pragma once
// history.db: the player's record of games, an SQLite database beside the
// question bank that players may read with any SQLite tool. Two tables and
// a view:
//   games      id, started, ended, game_type, level_reached, amount_won,
//              outcome, lifelines
//   answers    (a view) game_id, level, question_no, question, picked,
//              correct, right, seconds
// The view reads answer_rows, which names each question by its row in
// questions, so that a question's text is kept once however often it is
// asked: ten thousand games stay a few megabytes.
//
// The journal is written ahead (WAL) and every recorded step is one
// transaction: a killed program loses at most the step it was in, never
// what was saved. Nothing here shows anything; a failure is returned, and
// error() says what went wrong in words a player understands.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "history/records.h"

struct sqlite3;

namespace zv::history {

inline constexpr const char* kHistoryFile = "history.db";

class HistoryDb {
public:
    explicit HistoryDb(std::filesystem::path file);
    ~HistoryDb();
    HistoryDb(const HistoryDb&) = delete;
    HistoryDb& operator=(const HistoryDb&) = delete;

    // Opens the file, creating it and its tables. A file that is not a
    // sound database is renamed aside (history.db.damaged, .damaged-2, ...)
    // and a new one started; games left in play by a killed program are
    // closed as left. False when the record cannot be kept at all.
    bool open();
    bool isOpen() const { return db_ != nullptr; }
    const std::string& error() const { return error_; }
    // Where a damaged file was put, or empty.
    const std::filesystem::path& setAside() const { return setAside_; }
    // A disk that holds only so many pages more: the full disk of a test.
    void limitPages(int pages);

    // Recording: each returns false (and sets error()) when it could not be
    // written; nothing is half written then.
    long long startGame(const std::string& started, int gameType);  // the game's id, or 0
    // The question on the board: its row (for answerLocked), or 0. The
    // game's level_reached follows it.
    long long questionShown(long long game, int level, int questionNo, const std::string& question,
                            const std::string& correct);
    bool answerLocked(long long answerRow, const std::string& picked, bool right, double seconds);
    bool setLifelines(long long game, const std::string& lifelines);
    bool endGame(long long game, const std::string& ended, const std::string& outcome, long long amountWon);

    // Reading.
    std::vector<GameRow> games(int newestCount = -1) const;  // oldest first; the newest n only when n >= 0
    std::vector<AnswerRow> answers(long long game) const;
    // Every question of a level ever shown: its text and the order of its
    // latest showing (higher is more recent).
    std::map<std::string, long long> lastShown(int level) const;
    sqlite3* handle() const { return db_; }

private:
    bool exec(const char* sql);
    // Sets error() from `what` and the result code of the failed call.
    bool fail(const char* what, int code);
    bool fail(const char* what);
    bool createTables();
    bool healthy();
    void close();

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    std::string error_;
    std::filesystem::path setAside_;
};

}  // namespace zv::history
