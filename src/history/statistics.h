#pragma once
// The figures of the Statistics window, computed from the record: how many
// games, how much they won, how they ended and how far they got, the share
// of right answers at each level, the lifelines used, the best games and
// the last game in full.

#include <array>
#include <optional>
#include <vector>

#include "history/history_db.h"

namespace zv::history {

inline constexpr int kRecentGames = 15;  // the games the winnings chart shows
inline constexpr int kBestGames = 10;

struct Statistics {
    int games = 0;
    long long best = 0;
    long long average = 0;  // whole rupees, rounded
    int won = 0, wrong = 0, withdrew = 0, left = 0;
    std::array<int, 15> reached{};  // games whose highest question was i + 1
    // Answers locked at each level and how many of them were right.
    std::array<int, 15> answered{}, right{};
    std::vector<long long> recentWinnings;  // the last kRecentGames, oldest first
    int fifty = 0, phone = 0, poll = 0, advice = 0;  // games that used each
    std::vector<GameRow> bestGames;                  // most won first, the earlier game first on a tie
    std::optional<GameRow> last;
    std::vector<AnswerRow> lastAnswers;

    // The share of right answers at `level`, 0 to 100, or none when nothing
    // was answered there.
    std::optional<int> rightShare(int level) const;
};

Statistics statistics(const HistoryDb& db);

}  // namespace zv::history
