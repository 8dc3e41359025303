// The money ladder pinned with its literal amounts: the fifteen rows, the
// amounts after each question won, and what a wrong answer at the edges of
// the two guarantee points pays in every game type.

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace zv {
namespace {

using test::ladderBank;
using test::Session;

struct Rung {
    int level;
    const char* row;      // the caption of the ladder row
    const char* total;    // lblTotal after winning the level
    const char* assured;  // lblAs after winning it
    const char* forText;  // lblFor after winning it
};

const Rung kLadder[] = {
    {1, "1                1000", "1000", "0", " Rs. 2000/-"},
    {2, "2                2000", "2000", "0", " Rs. 3000/-"},
    {3, "3                3000", "3000", "0", " Rs. 5000/-"},
    {4, "4                5000", "5000", "0", " Rs. 10000/-"},
    {5, "5                10000", "10000", "10000", " Rs. 20000/-"},
    {6, "6                20000", "20000", "10000", " Rs. 40000/-"},
    {7, "7                40000", "40000", "10000", " Rs. 80000/-"},
    {8, "8                80000", "80000", "10000", " Rs. 160000/-"},
    {9, "9                160000", "160000", "10000", " Rs. 320000/-"},
    {10, "10              320000", "320000", "320000", " Rs. 640000/-"},
    {11, "11              640000", "640000", "320000", " Rs. 1250000/-"},
    {12, "12              1250000", "1250000", "320000", " Rs. 2500000/-"},
    {13, "13              2500000", "2500000", "320000", " Rs. 5000000/-"},
    {14, "14              5000000", "5000000", "320000", " Rs. 10000000/-"},
    {15, "15              10000000", "10000000", "10000000", " Rs. 10000000/-"},
};

TEST(Ladder, TheFifteenRowsAndTheAmountsAfterEachQuestionWon)
{
    Session run(ladderBank(), {}, test::Open::Game);
    Game& g = run.game();
    for (const Rung& r : kLadder) {
        EXPECT_EQ(g.Label1[static_cast<std::size_t>(r.level - 1)]->caption(), r.row);
        g.lblQNo.setCaption(std::to_string(r.level));
        run.m().Level = r.level;
        g.q_Level();
        EXPECT_EQ(g.lblTotal.caption(), r.total) << "after level " << r.level;
        EXPECT_EQ(g.lblAs.caption(), r.assured) << "after level " << r.level;
        EXPECT_EQ(g.lblFor.caption(), r.forText) << "after level " << r.level;
    }
}

TEST(Ladder, GuaranteePointsAndAmountsAsPlayersReadThem)
{
    for (int level = 1; level <= 15; ++level)
        EXPECT_EQ(isGuaranteePoint(level), level == 5 || level == 10 || level == 15) << level;
    const std::pair<int, const char*> amounts[] = {
        {0, "0"}, {1000, "1,000"}, {160000, "1,60,000"}, {1250000, "12,50,000"}, {10000000, "1,00,00,000"}};
    for (auto [amount, text] : amounts) EXPECT_EQ(groupedRupees(amount), text);
}

// How each game type answers B (right) or A (wrong): the wait after the
// lock, the OK that closes a right verdict, and the Result's words.
struct GameType {
    const char* config;
    int wait;
    const char* ok;
    const char* said;  // before the amount, and after it
    const char* end;
};
const GameType kTypes[] = {{test::kFast, 0, "Message3", "Incorrect answer. You have won Rs. ", "/-"},
                           {test::kBlinking, 4000, "Message3", "The answer is Incorrect. You have won Rs. ", "/-"},
                           {test::kZrvLike, 6000, "Message", " The answer is incorrect. You have won Rs. ", "/-."}};

struct WrongAnswer {
    int question;        // answered wrong, after the ones before it were right
    const char* amount;  // what the Result dialog pays
    int guaranteeRow;    // the row that stays lit (white), or -1
};
const WrongAnswer kWrongAnswers[] = {{5, "0", -1}, {6, "10000", 4}, {10, "10000", 4}, {11, "320000", 9}};

TEST(Ladder, AWrongAnswerAtEitherSideOfAGuaranteePointPaysTheGuaranteeReached)
{
    for (const GameType& type : kTypes)
    for (const WrongAnswer& w : kWrongAnswers) {
        SCOPED_TRACE(std::string(type.config, 4) + ", question " + std::to_string(w.question));
        Session run(ladderBank(), type.config, test::Open::Game);
        const std::string wait = "\nwait " + std::to_string(type.wait);
        for (int q = 1; q < w.question; ++q)
            run("click Game.lblB\nclick Game.lblLock" + wait + "\nclick " + type.ok + ".Command1");
        ASSERT_EQ(run.game().lblQNo.caption(), std::to_string(w.question));
        run("click Game.lblA\nclick Game.lblLock" + wait);
        EXPECT_EQ(run("get Result.Label1 Caption"),
                  std::string("Result.Label1.Caption = ") + type.said + w.amount + type.end + "\n");
        EXPECT_TRUE(run.m().GameOver);
        Game& g = run.game();
        for (int row = 0; row < 15; ++row) {
            const Color expected = row == w.question - 1  ? RGB(255, 160, 50)
                                   : row == w.guaranteeRow ? RGB(255, 255, 255)
                                                           : RGB(255, 110, 0);
            EXPECT_EQ(g.Label1[static_cast<std::size_t>(row)]->foreColor(), expected) << "row " << row;
        }
    }
}

}  // namespace
}  // namespace zv
