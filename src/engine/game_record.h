#pragma once
// What the board tells the player's record as a game goes, and what it asks
// of it when it draws a question. The board only announces; what is kept,
// and where, is the record's. Nothing a record does changes the game: the
// default one keeps nothing and lets the draw take any question.

#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

namespace zv {

enum class GameOutcome { Won, Wrong, Withdrew };

class GameRecord {
public:
    virtual ~GameRecord() = default;

    // Start pressed: a game of this type begins.
    virtual void gameStarted(int gameType) { (void)gameType; }
    // A question on the board, at ladder level `level`.
    virtual void questionShown(int level, int questionNo, const std::string& question, const std::string& correct)
    {
        (void)level, (void)questionNo, (void)question, (void)correct;
    }
    // The answer locked: `picked` is A to D, or empty for a lock without a pick.
    virtual void answerLocked(const std::string& picked) { (void)picked; }
    // "fifty", "phone", "poll", or "advice" when the host is asked.
    virtual void lifelineUsed(const char* name) { (void)name; }
    // The game over, with the rupees taken home.
    virtual void gameEnded(GameOutcome outcome, long long amountWon) { (void)outcome, (void)amountWon; }
    // The board closed: a game still in play was left.
    virtual void boardClosed() {}

    // The draw of a question at `level`: which of the level's questions (in
    // the bank's order) it may take. Asked only when remembersLevel says the
    // answer may be other than all of them.
    virtual bool remembersLevel(int level) { return (void)level, false; }
    virtual std::vector<std::size_t> drawable(int level, const std::vector<std::string>& questions)
    {
        (void)level;
        std::vector<std::size_t> all(questions.size());
        std::iota(all.begin(), all.end(), std::size_t{0});
        return all;
    }
};

}  // namespace zv
