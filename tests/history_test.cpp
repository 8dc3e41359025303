// The player's record: what history.db keeps of a game, a damaged file set
// aside, a full disk and a folder that cannot hold the file (the game plays
// on, told once), a killed program, fresh questions first, the figures of
// the Statistics window and the CSV export.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <set>

#include "history/fresh_draw.h"
#include "history/history_csv.h"
#include "history/history_db.h"
#include "history/statistics.h"
#include "support/test_folder.h"
#include "ui/history_recorder.h"

namespace zv {
namespace {

using history::HistoryDb;
using test::Session;

std::string count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return std::to_string(n);
}

// Two questions a level, both answered by B: "L<level> first" and "L<level> second".
std::string twoALevel()
{
    std::string bank;
    int serial = 0;
    for (int level = 1; level <= 15; ++level)
        for (const char* which : {"first", "second"})
            bank += test::record(++serial, "L" + std::to_string(level) + " " + which, "B", std::to_string(level)) + "\r\n";
    return bank;
}

// A game of Fast played with the right answer (B) to question `upTo`,
// then withdrawn (and the result closed); returns what the driver printed.
std::string playTo(Session& run, int upTo, bool closeResult = true)
{
    std::string out = run("click Game.lblStart");
    for (int q = 1; q < upTo; ++q) out += run("wait 1500\nclick Game.ImgB\nclick Game.lblLock\nclick Message3.Command1");
    return out + run(closeResult ? "click Game.lblWith\nclick Result.Command1" : "click Game.lblWith");
}

HistoryRecorder& recorder(Session& run) { return dynamic_cast<HistoryRecorder&>(*run.program().record); }

TEST(History, AGameIsKeptStepByStep)
{
    test::TestFolder dir;
    HistoryDb db(dir.file("history.db"));
    ASSERT_TRUE(db.open()) << db.error();
    const long long game = db.startGame("2026-01-05T10:00:00", 2);
    const long long q1 = db.questionShown(game, 1, 7, "Which, or what?", "C");
    ASSERT_TRUE(db.answerLocked(q1, "C", true, 4.5));
    ASSERT_TRUE(db.setLifelines(game, "fifty,advice"));
    db.questionShown(game, 2, 19, "Second", "A");
    ASSERT_TRUE(db.endGame(game, "2026-01-05T10:01:00", history::kWithdrew, 1000));

    const auto games = db.games();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].started, "2026-01-05T10:00:00");
    EXPECT_EQ(games[0].ended, "2026-01-05T10:01:00");
    EXPECT_EQ(games[0].gameType, 2);
    EXPECT_EQ(games[0].levelReached, 2);
    EXPECT_EQ(games[0].amountWon, 1000);
    EXPECT_EQ(games[0].outcome, "withdrew");
    EXPECT_EQ(games[0].lifelines, "fifty,advice");
    const auto answers = db.answers(game);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].questionNo, 7);
    EXPECT_EQ(answers[0].question, "Which, or what?");
    EXPECT_EQ(answers[0].picked, "C");
    EXPECT_TRUE(answers[0].right);
    EXPECT_EQ(answers[0].seconds, 4.5);
    EXPECT_EQ(answers[1].picked, "");
    EXPECT_FALSE(answers[1].seconds.has_value());

    // Anyone's SQLite tool reads the same, from the tables and the view.
    if (std::system("command -v sqlite3 >/dev/null") == 0) {
        const std::string cmd = "sqlite3 '" + dir.file("history.db").string() +
                                "' \"select outcome, amount_won, level_reached, lifelines from games; "
                                "select level, question_no, question, picked, correct, right, seconds from answers\"";
        FILE* p = popen(cmd.c_str(), "r");
        std::string out;
        for (char buf[256]; std::fgets(buf, sizeof buf, p);) out += buf;
        pclose(p);
        EXPECT_EQ(out, "withdrew|1000|2|fifty,advice\n1|7|Which, or what?|C|C|1|4.5\n2|19|Second||A|0|\n");
    }
}

TEST(History, ADamagedFileIsSetAsideAndANewRecordBegun)
{
    test::TestFolder dir;
    dir.write("history.db", std::string(4096, 'x'));
    HistoryDb db(dir.file("history.db"));
    ASSERT_TRUE(db.open()) << db.error();
    EXPECT_EQ(db.setAside(), dir.file("history.db.damaged"));
    EXPECT_EQ(dir.read("history.db.damaged"), std::string(4096, 'x'));
    EXPECT_GT(db.startGame("2026-01-05T10:00:00", 3), 0);
}

TEST(History, AKilledProgramLosesNothingSaved)
{
    test::TestFolder dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A player's program ended by the system in the middle of a game.
        Session run(test::ladderBank(), test::kFast);
        std::filesystem::copy_file(run.folder().file("imp.zrv"), dir.file("imp.zrv"));
        std::filesystem::copy_file(run.folder().file("config.txt"), dir.file("config.txt"));
        std::ostringstream out;
        ScriptDriver driver(out, dir.path());
        std::istringstream script("click Main.Label1\nclick Game.lblStart\nclick Game.lblWith\nclick Result.Command1\n"
                                  "click Game.lblStart\nclick Game.ImgB\nclick Game.lblLock\nclick Message3.Command1\n");
        driver.run(script);
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    HistoryDb db(dir.file("history.db"));
    ASSERT_TRUE(db.open()) << db.error();
    const auto games = db.games();
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].outcome, "withdrew");
    EXPECT_EQ(games[1].outcome, "left");  // closed when the record was opened again
    EXPECT_EQ(games[1].levelReached, 2);
    ASSERT_EQ(db.answers(games[1].id).size(), 2u);
    EXPECT_TRUE(db.answers(games[1].id)[0].right);
}

TEST(History, AFullDiskIsToldOnceAndTheGamePlaysOn)
{
    Session run(test::ladderBank(), test::kFast);
    run.startBoard();
    playTo(run, 2);
    // The disk holds not a page more: the record fills its last pages and
    // then cannot grow.
    recorder(run).limitPages(0);
    std::string out;
    for (int game = 0; game < 40 && out.find("no longer being kept") == std::string::npos; ++game)
        out += playTo(run, 4);
    out += playTo(run, 3, false);
    EXPECT_EQ(count(out, "history of your games is no longer being kept"), "1") << out;
    EXPECT_NE(out.find("the disk is full"), std::string::npos) << out;
    EXPECT_EQ(run("get Result.Label1 Caption"), "Result.Label1.Caption = You have won Rs. 2000/-\n");
    // The game saved before the disk filled is there.
    HistoryDb db(run.folder().file("history.db"));
    ASSERT_TRUE(db.open());
    EXPECT_EQ(db.games().front().outcome, "withdrew");
    EXPECT_EQ(db.games().front().amountWon, 1000);
}

TEST(History, AFolderThatCannotHoldTheRecordIsToldOnce)
{
    Session run(test::ladderBank(), test::kFast);
    std::filesystem::create_directory(run.folder().file("history.db"));  // not a file SQLite can open
    run.startBoard();
    std::string out = playTo(run, 3);
    out += playTo(run, 2, false);
    EXPECT_EQ(count(out, "history of your games is not being kept"), "1") << out;
    EXPECT_EQ(run("get Result.Label1 Caption"), "Result.Label1.Caption = You have won Rs. 1000/-\n");
}

TEST(History, FreshQuestionsNeverRepeatInTwoGamesWithTwoALevel)
{
    Session run(twoALevel(), test::kFast);
    run.startBoard();
    run("rng 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    playTo(run, 15);
    playTo(run, 15);
    HistoryDb db(run.folder().file("history.db"));
    ASSERT_TRUE(db.open());
    const auto games = db.games();
    ASSERT_EQ(games.size(), 2u);
    const auto first = db.answers(games[0].id), second = db.answers(games[1].id);
    ASSERT_EQ(first.size(), 15u);
    ASSERT_EQ(second.size(), 15u);
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(first[i].question, "L" + std::to_string(i + 1) + " first");
        EXPECT_EQ(second[i].question, "L" + std::to_string(i + 1) + " second");
    }
}

TEST(History, FreshQuestionsOffOrOneALevelDrawAsAlways)
{
    for (const bool fresh : {true, false}) {
        SCOPED_TRACE(fresh ? "one a level" : "switched off");
        Session run(fresh ? test::ladderBank() : twoALevel(), test::kFast, test::Open::Nothing);
        if (!fresh) run.folder().write("zarvana.ini", "[game]\nfresh_questions = off\n");
        run.startBoard();
        for (int game = 0; game < 2; ++game) {
            run("rng 0");
            playTo(run, 2);
        }
        HistoryDb db(run.folder().file("history.db"));
        ASSERT_TRUE(db.open());
        const auto games = db.games();
        EXPECT_EQ(db.answers(games[0].id)[0].question, db.answers(games[1].id)[0].question);
    }
}

TEST(History, FreshCandidates)
{
    const std::vector<std::string> level{"a", "b", "c", "d", "e"};
    struct Case {
        std::map<std::string, long long> shown;
        std::vector<std::size_t> drawable;
    } cases[] = {
        {{}, {0, 1, 2, 3, 4}},                                          // no record: every question
        {{{"b", 3}, {"d", 1}}, {0, 2, 4}},                              // those never shown
        {{{"a", 5}, {"b", 1}, {"c", 4}, {"d", 2}, {"e", 3}}, {1, 3}},   // all shown: the older half
        {{{"a", 1}, {"x", 9}}, {1, 2, 3, 4}},                           // a text no longer in the bank
    };
    for (const Case& c : cases) EXPECT_EQ(history::freshCandidates(level, c.shown), c.drawable);
    EXPECT_EQ(history::freshCandidates({"only"}, {{"only", 1}}), std::vector<std::size_t>{0});
}

TEST(History, TheStatisticsFigures)
{
    test::TestFolder dir;
    HistoryDb db(dir.file("history.db"));
    ASSERT_TRUE(db.open());
    struct Played {
        int reached;
        long long amount;
        const char* outcome;
        const char* lifelines;
        std::vector<bool> right;  // a locked answer at each level in turn
    } played[] = {
        {6, 10000, "wrong", "fifty", {true, true, true, true, true, false}},
        {3, 2000, "withdrew", "phone,poll", {true, true}},
        {1, 0, "left", "", {}},
        {15, 10000000, "won", "fifty,phone,poll,advice", std::vector<bool>(15, true)},
    };
    for (const Played& p : played) {
        const long long g = db.startGame("2026-01-05T10:00:00", 3);
        for (int level = 1; level <= p.reached; ++level) {
            const long long row = db.questionShown(g, level, level, "Q" + std::to_string(level), "B");
            if (static_cast<std::size_t>(level) <= p.right.size())
                db.answerLocked(row, p.right[static_cast<std::size_t>(level - 1)] ? "B" : "A",
                                p.right[static_cast<std::size_t>(level - 1)], 2.0);
        }
        db.setLifelines(g, p.lifelines);
        db.endGame(g, "2026-01-05T10:05:00", p.outcome, p.amount);
    }
    const history::Statistics s = history::statistics(db);
    EXPECT_EQ(s.games, 4);
    EXPECT_EQ(s.best, 10000000);
    EXPECT_EQ(s.average, 2503000);
    EXPECT_EQ((std::array{s.won, s.wrong, s.withdrew, s.left}), (std::array{1, 1, 1, 1}));
    EXPECT_EQ((std::array{s.fifty, s.phone, s.poll, s.advice}), (std::array{2, 2, 2, 1}));
    EXPECT_EQ(s.reached[0], 1);
    EXPECT_EQ(s.reached[2], 1);
    EXPECT_EQ(s.reached[5], 1);
    EXPECT_EQ(s.reached[14], 1);
    EXPECT_EQ(s.rightShare(1), 100);
    EXPECT_EQ(s.rightShare(6), 50);  // one right, one wrong
    EXPECT_EQ(s.rightShare(3), 100);  // the withdrawal's question 3 was never locked
    EXPECT_EQ(s.recentWinnings, (std::vector<long long>{10000, 2000, 0, 10000000}));
    ASSERT_EQ(s.bestGames.size(), 4u);
    EXPECT_EQ(s.bestGames[0].amountWon, 10000000);
    EXPECT_EQ(s.bestGames[3].outcome, "left");
    ASSERT_TRUE(s.last);
    EXPECT_EQ(s.last->outcome, "won");
    EXPECT_EQ(s.lastAnswers.size(), 15u);
}

TEST(History, TheCsvExport)
{
    test::TestFolder dir;
    HistoryDb db(dir.file("history.db"));
    ASSERT_TRUE(db.open());
    const long long g = db.startGame("2026-01-05T10:00:00", 1);
    db.answerLocked(db.questionShown(g, 1, 4, "Say \"yes\", or\nno", "A"), "A", true, 3.25);
    db.startGame("2026-01-05T11:00:00", 2);
    ASSERT_EQ(history::exportCsv(db, dir.file("out.csv")), "");
    EXPECT_EQ(dir.read("out.csv"),
              "game_id,started,ended,game_type,level_reached,amount_won,outcome,lifelines,level,question_no,question,"
              "picked,correct,right,seconds\r\n"
              "1,2026-01-05T10:00:00,,1,1,0,,,1,4,\"Say \"\"yes\"\", or\nno\",A,A,1,3.2\r\n"
              "2,2026-01-05T11:00:00,,2,1,0,,,,,,,,,\r\n");
}

}  // namespace
}  // namespace zv
