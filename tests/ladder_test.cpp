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
    Session run(ladderBank());
    run.startBoard();
    run("click Game.lblStart");
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

// How each game type answers a question and closes its verdict.
struct GameType {
    const char* config;
    const char* answerRight;
    const char* answerWrong;
};
const GameType kBlinking{test::kBlinking,
                         "click Game.lblB\nclick Game.lblLock\nwait 4000\nclick Message3.Command1",
                         "click Game.lblA\nclick Game.lblLock\nwait 4000"};
const GameType kZrvLike{test::kZrvLike,
                        "click Game.lblB\nclick Game.lblLock\nwait 6000\nclick Message.Command1",
                        "click Game.lblA\nclick Game.lblLock\nwait 6000"};
const GameType kFast{test::kFast, "click Game.lblB\nclick Game.lblLock\nclick Message3.Command1",
                     "click Game.lblA\nclick Game.lblLock"};

struct WrongAnswer {
    const GameType* type;
    int question;        // answered wrong, after the ones before it were right
    const char* result;  // what the Result dialog says
    int guaranteeRow;    // the row that stays lit (white), or -1
};

const WrongAnswer kWrongAnswers[] = {
    {&kFast, 5, "Incorrect answer. You have won Rs. 0/-", -1},
    {&kFast, 6, "Incorrect answer. You have won Rs. 10000/-", 4},
    {&kFast, 10, "Incorrect answer. You have won Rs. 10000/-", 4},
    {&kFast, 11, "Incorrect answer. You have won Rs. 320000/-", 9},
    {&kBlinking, 5, "The answer is Incorrect. You have won Rs. 0/-", -1},
    {&kBlinking, 6, "The answer is Incorrect. You have won Rs. 10000/-", 4},
    {&kBlinking, 10, "The answer is Incorrect. You have won Rs. 10000/-", 4},
    {&kBlinking, 11, "The answer is Incorrect. You have won Rs. 320000/-", 9},
    {&kZrvLike, 5, " The answer is incorrect. You have won Rs. 0/-.", -1},
    {&kZrvLike, 6, " The answer is incorrect. You have won Rs. 10000/-.", 4},
    {&kZrvLike, 10, " The answer is incorrect. You have won Rs. 10000/-.", 4},
    {&kZrvLike, 11, " The answer is incorrect. You have won Rs. 320000/-.", 9},
};

TEST(Ladder, AWrongAnswerAtEitherSideOfAGuaranteePointPaysTheGuaranteeReached)
{
    for (const WrongAnswer& w : kWrongAnswers) {
        SCOPED_TRACE(std::string(w.type->config, 4) + ", question " + std::to_string(w.question));
        Session run(ladderBank(), w.type->config);
        run.startBoard();
        run("click Game.lblStart");
        for (int q = 1; q < w.question; ++q) run(w.type->answerRight);
        ASSERT_EQ(run.game().lblQNo.caption(), std::to_string(w.question));
        run(w.type->answerWrong);
        EXPECT_EQ(run("get Result.Label1 Caption"), std::string("Result.Label1.Caption = ") + w.result + "\n");
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
