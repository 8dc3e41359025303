#include "history/history_db.h"

#include <sqlite3.h>

#include <system_error>

#include "history/statement.h"

namespace zv::history {

namespace {

const char* const kSchema = R"(
CREATE TABLE IF NOT EXISTS games (
  id INTEGER PRIMARY KEY,
  started TEXT NOT NULL,
  ended TEXT,
  game_type INTEGER NOT NULL,
  level_reached INTEGER NOT NULL DEFAULT 1,
  amount_won INTEGER NOT NULL DEFAULT 0,
  outcome TEXT,
  lifelines TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS questions (
  id INTEGER PRIMARY KEY,
  text TEXT NOT NULL UNIQUE);
CREATE TABLE IF NOT EXISTS answer_rows (
  id INTEGER PRIMARY KEY,
  game_id INTEGER NOT NULL REFERENCES games(id),
  level INTEGER NOT NULL,
  question_no INTEGER NOT NULL,
  question_id INTEGER NOT NULL REFERENCES questions(id),
  picked TEXT NOT NULL DEFAULT '',
  correct TEXT NOT NULL,
  right INTEGER NOT NULL DEFAULT 0,
  seconds REAL);
CREATE INDEX IF NOT EXISTS answer_rows_game ON answer_rows(game_id);
CREATE INDEX IF NOT EXISTS answer_rows_level ON answer_rows(level, question_id);
CREATE VIEW IF NOT EXISTS answers AS
  SELECT a.game_id, a.level, a.question_no, q.text AS question, a.picked, a.correct, a.right, a.seconds
  FROM answer_rows a JOIN questions q ON q.id = a.question_id ORDER BY a.id;
)";

// Why SQLite could not do it, as a player would put it.
std::string reason(sqlite3* db, int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL: return "the disk is full";
    case SQLITE_READONLY: return "the file or its folder is read-only";
    case SQLITE_CANTOPEN:
    case SQLITE_PERM: return "the folder cannot be written";
    case SQLITE_IOERR: return "the disk reported an error";
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return "the file is damaged";
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "another program holds the file";
    default: return db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    }
}

bool damaged(int code) { return (code & 0xff) == SQLITE_NOTADB || (code & 0xff) == SQLITE_CORRUPT; }

// The first free name beside `file` for a damaged copy.
std::filesystem::path asideName(const std::filesystem::path& file)
{
    std::error_code ec;
    for (int n = 1;; ++n) {
        std::filesystem::path aside = file;
        aside += n == 1 ? ".damaged" : ".damaged-" + std::to_string(n);
        if (!std::filesystem::exists(aside, ec)) return aside;
    }
}

}  // namespace

HistoryDb::HistoryDb(std::filesystem::path file) : file_(std::move(file)) {}

HistoryDb::~HistoryDb() { close(); }

void HistoryDb::close()
{
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
}

bool HistoryDb::fail(const char* what, int code)
{
    error_ = std::string(what) + " (" + reason(db_, code) + ")";
    return false;
}

bool HistoryDb::fail(const char* what) { return fail(what, db_ ? sqlite3_extended_errcode(db_) : SQLITE_ERROR); }

bool HistoryDb::exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

bool HistoryDb::healthy()
{
    // A file of another kind, or one damaged, fails the quick check.
    Statement check(db_, "PRAGMA quick_check");
    if (!check.ok()) return false;
    return check.step() == SQLITE_ROW && check.text(0) == "ok";
}

bool HistoryDb::open()
{
    error_.clear();
    for (int attempt = 0; attempt < 2; ++attempt) {
        close();
        const std::u8string name = file_.u8string();
        const int rc = sqlite3_open_v2(reinterpret_cast<const char*>(name.c_str()), &db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK) {
            fail("history.db cannot be opened");
            close();
            return false;
        }
        sqlite3_busy_timeout(db_, 2000);
        sqlite3_extended_result_codes(db_, 1);
        if (!healthy()) {
            const int code = sqlite3_extended_errcode(db_);
            if (attempt == 0 && (damaged(code) || code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE)) {
                // Kept for whoever wants to look into it; the record starts anew.
                close();
                std::error_code ec;
                const std::filesystem::path aside = asideName(file_);
                std::filesystem::rename(file_, aside, ec);
                if (ec) {
                    error_ = "history.db is damaged and cannot be set aside (" + ec.message() + ")";
                    return false;
                }
                for (const char* part : {"-wal", "-shm"}) {
                    std::filesystem::path from = file_, to = aside;
                    from += part;
                    to += part;
                    if (std::filesystem::exists(from, ec)) std::filesystem::rename(from, to, ec);
                }
                setAside_ = aside;
                continue;
            }
            fail("history.db cannot be read");
            close();
            return false;
        }
        // Written ahead: a killed program never leaves the file half
        // written; NORMAL syncs at checkpoints, so a step costs no flush.
        if (!exec("PRAGMA journal_mode=WAL") || !exec("PRAGMA synchronous=NORMAL")) {
            fail("history.db cannot be written");
            close();
            return false;
        }
        if (!createTables()) {
            close();
            return false;
        }
        return true;
    }
    return false;
}

bool HistoryDb::createTables()
{
    if (!exec("BEGIN IMMEDIATE")) return fail("history.db cannot be written");
    // Games that a killed program left in play were left.
    if (!exec(kSchema) || !exec("UPDATE games SET outcome = 'left' WHERE outcome IS NULL") || !exec("COMMIT")) {
        fail("history.db cannot be written");
        exec("ROLLBACK");
        return false;
    }
    return true;
}

void HistoryDb::limitPages(int pages)
{
    if (!db_) return;
    Statement count(db_, "PRAGMA page_count");
    const long long now = count.step() == SQLITE_ROW ? count.integer(0) : 0;
    exec(("PRAGMA max_page_count=" + std::to_string(now + pages)).c_str());
}

long long HistoryDb::startGame(const std::string& started, int gameType)
{
    if (!db_) return 0;
    Statement s(db_, "INSERT INTO games (started, game_type) VALUES (?, ?)");
    if (!s.bind(1, started).bind(2, gameType).run()) return fail("The game could not be recorded", s.lastResult()), 0;
    return sqlite3_last_insert_rowid(db_);
}

long long HistoryDb::questionShown(long long game, int level, int questionNo, const std::string& question,
                                   const std::string& correct)
{
    if (!db_) return 0;
    if (!exec("BEGIN IMMEDIATE")) return fail("The question could not be recorded"), 0;
    long long row = 0;
    int code = SQLITE_OK;
    {
        Statement known(db_, "INSERT OR IGNORE INTO questions (text) VALUES (?)");
        Statement id(db_, "SELECT id FROM questions WHERE text = ?");
        Statement add(db_, "INSERT INTO answer_rows (game_id, level, question_no, question_id, correct) "
                           "VALUES (?, ?, ?, ?, ?)");
        Statement reached(db_, "UPDATE games SET level_reached = max(level_reached, ?) WHERE id = ?");
        if (known.bind(1, question).run() && id.bind(1, question).step() == SQLITE_ROW) {
            const long long qid = id.integer(0);
            if (add.bind(1, game).bind(2, level).bind(3, questionNo).bind(4, qid).bind(5, correct).run() &&
                reached.bind(1, level).bind(2, game).run())
                row = sqlite3_last_insert_rowid(db_);
        }
        for (const Statement* s : {&known, &id, &add, &reached})
            if (row == 0 && code == SQLITE_OK && s->lastResult() != SQLITE_DONE && s->lastResult() != SQLITE_ROW &&
                s->lastResult() != SQLITE_OK)
                code = s->lastResult();
    }
    if (row != 0 && !exec("COMMIT")) code = sqlite3_extended_errcode(db_);
    if (row == 0 || code != SQLITE_OK) {
        fail("The question could not be recorded", code == SQLITE_OK ? SQLITE_ERROR : code);
        exec("ROLLBACK");
        return 0;
    }
    return row;
}

bool HistoryDb::answerLocked(long long answerRow, const std::string& picked, bool right, double seconds)
{
    if (!db_) return false;
    Statement s(db_, "UPDATE answer_rows SET picked = ?, right = ?, seconds = ? WHERE id = ?");
    if (!s.bind(1, picked).bind(2, right ? 1 : 0).bind(3, seconds).bind(4, answerRow).run())
        return fail("The answer could not be recorded", s.lastResult());
    return true;
}

bool HistoryDb::setLifelines(long long game, const std::string& lifelines)
{
    if (!db_) return false;
    Statement s(db_, "UPDATE games SET lifelines = ? WHERE id = ?");
    if (!s.bind(1, lifelines).bind(2, game).run()) return fail("The lifeline could not be recorded", s.lastResult());
    return true;
}

bool HistoryDb::endGame(long long game, const std::string& ended, const std::string& outcome, long long amountWon)
{
    if (!db_) return false;
    Statement s(db_, "UPDATE games SET ended = ?, outcome = ?, amount_won = ? WHERE id = ?");
    if (!s.bind(1, ended).bind(2, outcome).bind(3, amountWon).bind(4, game).run())
        return fail("The end of the game could not be recorded", s.lastResult());
    return true;
}

std::vector<GameRow> HistoryDb::games(int newestCount) const
{
    std::vector<GameRow> out;
    if (!db_) return out;
    Statement s(db_, "SELECT * FROM (SELECT id, started, ifnull(ended, ''), game_type, level_reached, amount_won, "
                     "ifnull(outcome, ''), lifelines FROM games ORDER BY id DESC LIMIT ?) ORDER BY id");
    s.bind(1, newestCount);
    while (s.step() == SQLITE_ROW)
        out.push_back({s.integer(0), s.text(1), s.text(2), static_cast<int>(s.integer(3)),
                       static_cast<int>(s.integer(4)), s.integer(5), s.text(6), s.text(7)});
    return out;
}

std::vector<AnswerRow> HistoryDb::answers(long long game) const
{
    std::vector<AnswerRow> out;
    if (!db_) return out;
    Statement s(db_, "SELECT game_id, level, question_no, question, picked, correct, right, seconds FROM answers "
                     "WHERE game_id = ?");
    s.bind(1, game);
    while (s.step() == SQLITE_ROW)
        out.push_back({s.integer(0), static_cast<int>(s.integer(1)), static_cast<int>(s.integer(2)), s.text(3),
                       s.text(4), s.text(5), s.integer(6) != 0, s.optionalReal(7)});
    return out;
}

std::map<std::string, long long> HistoryDb::lastShown(int level) const
{
    std::map<std::string, long long> out;
    if (!db_) return out;
    Statement s(db_, "SELECT q.text, max(a.id) FROM answer_rows a JOIN questions q ON q.id = a.question_id "
                     "WHERE a.level = ? GROUP BY a.question_id");
    s.bind(1, level);
    while (s.step() == SQLITE_ROW) out[s.text(0)] = s.integer(1);
    return out;
}

}  // namespace zv::history
