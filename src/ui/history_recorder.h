#pragma once
// The player's record kept in history.db as the board announces the game:
// a row for the game when Start is pressed, one for every question shown,
// the pick and its seconds at the lock, the lifelines, and the end. It also
// tells the draw which questions are fresh.
//
// The record is opened when it is first needed, so the program starts at
// once. If it cannot be kept (a read-only folder, a full disk), the player
// is told once and the game plays on as if nothing were kept; a damaged file
// is set aside and a new record begun, and the player told where the old
// one is.

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "engine/game_record.h"
#include "history/history_db.h"

namespace zv {

class App;

class HistoryRecorder : public GameRecord {
public:
    HistoryRecorder(App& app, std::filesystem::path file, bool freshQuestions);

    void gameStarted(int gameType) override;
    void questionShown(int level, int questionNo, const std::string& question, const std::string& correct) override;
    void answerLocked(const std::string& picked) override;
    void lifelineUsed(const char* name) override;
    void gameEnded(GameOutcome outcome, long long amountWon) override;
    void boardClosed() override;
    bool remembersLevel(int level) override;
    std::vector<std::size_t> drawable(int level, const std::vector<std::string>& questions) override;

    void setFreshQuestions(bool on) { fresh_ = on; }
    bool freshQuestions() const { return fresh_; }
    // The record for reading, opened if need be; null when it cannot be kept.
    const history::HistoryDb* database();
    // A full disk from the next step on, for tests: pages more it may hold.
    void limitPages(int pages);

private:
    bool ready();
    // A step that could not be written: said once, and nothing more kept.
    void broke();
    std::string lifelineList() const;
    void endGame(const char* outcome, long long amountWon);

    App& app_;
    history::HistoryDb db_;
    bool fresh_;
    bool tried_ = false, broken_ = false;
    long long game_ = 0;          // the game in play, 0 for none
    long long row_ = 0;           // the question on the board
    bool locked_ = false;
    std::string correct_;
    std::int64_t shownAt_ = 0;
    bool used_[4] = {};           // fifty, phone, poll, advice
    int lastLevel_ = 0;           // the level whose record of questions is held
    std::map<std::string, long long> lastShown_;
};

}  // namespace zv
