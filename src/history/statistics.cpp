#include "history/statistics.h"

#include <cmath>

#include "history/statement.h"

namespace zv::history {

std::optional<int> Statistics::rightShare(int level) const
{
    const auto i = static_cast<std::size_t>(level - 1);
    if (level < 1 || level > 15 || answered[i] == 0) return std::nullopt;
    return static_cast<int>(std::lround(100.0 * right[i] / answered[i]));
}

Statistics statistics(const HistoryDb& db)
{
    Statistics s;
    sqlite3* h = db.handle();
    if (!h) return s;
    {
        Statement q(h, "SELECT count(*), ifnull(max(amount_won), 0), ifnull(avg(amount_won), 0), "
                       "sum(outcome = 'won'), sum(outcome = 'wrong'), sum(outcome = 'withdrew'), "
                       "sum(outcome = 'left'), sum(instr(lifelines, 'fifty') > 0), sum(instr(lifelines, 'phone') > 0), "
                       "sum(instr(lifelines, 'poll') > 0), sum(instr(lifelines, 'advice') > 0) FROM games");
        if (q.step() == SQLITE_ROW) {
            s.games = static_cast<int>(q.integer(0));
            s.best = q.integer(1);
            s.average = std::llround(q.real(2));
            int* counts[] = {&s.won, &s.wrong, &s.withdrew, &s.left, &s.fifty, &s.phone, &s.poll, &s.advice};
            for (int i = 0; i < 8; ++i) *counts[i] = static_cast<int>(q.integer(3 + i));
        }
    }
    {
        Statement q(h, "SELECT level_reached, count(*) FROM games GROUP BY level_reached");
        while (q.step() == SQLITE_ROW) {
            const long long level = q.integer(0);
            if (level >= 1 && level <= 15) s.reached[static_cast<std::size_t>(level - 1)] = static_cast<int>(q.integer(1));
        }
    }
    {
        // One pass over the rows: through the level's index every row would be
        // looked up on its own, several times slower on a long record.
        Statement q(h, "SELECT level, count(*), sum(right) FROM answer_rows NOT INDEXED "
                       "WHERE seconds IS NOT NULL GROUP BY level");
        while (q.step() == SQLITE_ROW) {
            const long long level = q.integer(0);
            if (level < 1 || level > 15) continue;
            s.answered[static_cast<std::size_t>(level - 1)] = static_cast<int>(q.integer(1));
            s.right[static_cast<std::size_t>(level - 1)] = static_cast<int>(q.integer(2));
        }
    }
    for (const GameRow& g : db.games(kRecentGames)) s.recentWinnings.push_back(g.amountWon);
    {
        Statement q(h, "SELECT id, started, ifnull(ended, ''), game_type, level_reached, amount_won, "
                       "ifnull(outcome, ''), lifelines FROM games ORDER BY amount_won DESC, id LIMIT ?");
        q.bind(1, kBestGames);
        while (q.step() == SQLITE_ROW)
            s.bestGames.push_back({q.integer(0), q.text(1), q.text(2), static_cast<int>(q.integer(3)),
                                   static_cast<int>(q.integer(4)), q.integer(5), q.text(6), q.text(7)});
    }
    if (auto last = db.games(1); !last.empty()) {
        s.last = last.front();
        s.lastAnswers = db.answers(s.last->id);
    }
    return s;
}

}  // namespace zv::history
