#pragma once
// The rows of the player's record, as history.db keeps them: one a game,
// one for every question shown in it.

#include <optional>
#include <string>

namespace zv::history {

// How a game ended. A game still in play has none yet; one whose program
// was killed is closed as left when the record is next opened.
inline constexpr const char* kWon = "won";
inline constexpr const char* kWrong = "wrong";
inline constexpr const char* kWithdrew = "withdrew";
inline constexpr const char* kLeft = "left";

struct GameRow {
    long long id = 0;
    std::string started, ended;  // ISO 8601 local time; ended empty while in play
    int gameType = 0;            // 1 Blinking, 2 "ZRV like", 3 Fast
    int levelReached = 1;        // the highest question number shown
    long long amountWon = 0;     // whole rupees taken home
    std::string outcome;         // won, wrong, withdrew, left; empty while in play
    std::string lifelines;       // fifty,phone,poll,advice as used, in that order
};

struct AnswerRow {
    long long gameId = 0;
    int level = 0;
    int questionNo = 0;  // the bank's S. No. when it was shown
    std::string question;
    std::string picked;  // A to D, empty when the game ended without a pick
    std::string correct;
    bool right = false;
    // From the question shown to the lock; none when it was never locked.
    std::optional<double> seconds;
};

}  // namespace zv::history
