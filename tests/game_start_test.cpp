// The board from its load to the first question, and the later draws.

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace zv {
namespace {

using test::crlf;
using test::record;
using test::Session;

// One question per level, "Question L" with the correct answer B.
std::string fullBank()
{
    std::string bank;
    for (int level = 1; level <= 15; ++level)
        bank += record(level, "Question " + std::to_string(level), "B", std::to_string(level)) + "\r\n";
    return bank;
}

TEST(GameStart, ADrawOfThreeTakesOneNumberAndAHalfPicksTheSecond)
{
    const std::string bank =
        crlf({record(1, "First; one", "A", "1"), record(2, "Second", "B", "1"), record(3, "Third", "C", "1")});
    Session run(bank);
    run.startBoard();
    const auto draws = run.app().random().draws();
    EXPECT_EQ(run("rng 0.5\nclick Game.lblStart\nget Game.lblQuestion Caption\nget Game.lblCorrect Caption"),
              "Game.lblQuestion.Caption = Second\nGame.lblCorrect.Caption = B\n");
    EXPECT_EQ(run.app().random().draws(), draws + 1);
    EXPECT_EQ(run.folder().read("q2.zrv"), bank);

    // Start is hidden while a game runs; a new game here starts directly.
    auto restart = [&](double r) {
        run.app().random().queue({r});
        run.app().run([&] { run.game().lblStart_Click(); });
    };
    restart(0.9999);
    EXPECT_EQ(run.game().lblQuestion.caption(), "Third");
    restart(0);
    // Commas are stored as semicolons and shown again as commas.
    EXPECT_EQ(run.game().lblQuestion.caption(), "First, one");
}

TEST(GameStart, ANumberThatIsOneInSinglePrecisionDrawsTheLastQuestionNotOnePast)
{
    // 0.99999999 is below 1, but in single precision it is 1.0: three times
    // it, plus 1, would be a fourth question of three.
    Session run(crlf({record(1, "First", "A", "1"), record(2, "Second", "B", "1"), record(3, "Third", "C", "1"),
                      record(4, "Two first", "A", "2"), record(5, "Two second", "B", "2")}));
    run.startBoard();
    EXPECT_EQ(run("rng 0.99999999\nclick Game.lblStart\nget Game.lblQuestion Caption\nvar PickNo"),
              "Game.lblQuestion.Caption = Third\nPickNo = 3\n");
    run.app().random().queue({0.99999999});
    run.app().run([&] { run.game().NextQuestion(); });
    EXPECT_EQ(run.game().lblQuestion.caption(), "Two second");
    EXPECT_EQ(run.game().lblCorrect.caption(), "B");
}

TEST(GameStart, StartResetsTheBoardForANewGame)
{
    Session run(fullBank());
    run.startBoard();
    Game& g = run.game();
    EXPECT_FALSE(g.ImgA.enabled());
    run("click Game.lblStart");
    EXPECT_EQ(g.lblTotal.caption(), "0");
    EXPECT_EQ(g.lblAs.caption(), "0");
    EXPECT_EQ(g.lblFor.caption(), "1000");
    EXPECT_EQ(g.lblQNo.caption(), "1");
    EXPECT_FALSE(g.lblStart.visible());
    EXPECT_TRUE(g.lblLock.visible() && g.lblLock.enabled());
    EXPECT_TRUE(g.lblKya.visible());  // host advice is on by default
    for (Control* img : {&g.Image9, &g.Image10, &g.Image11}) EXPECT_TRUE(img->enabled());
    EXPECT_EQ(g.Image9.picture(), "Image1");
    EXPECT_EQ(g.Image11.picture(), "Image3");
    EXPECT_EQ(g.ImgD.picture(), "ImgBlack");
    EXPECT_EQ(g.Label1[0]->foreColor(), RGB(255, 255, 255));
    for (int i = 1; i < 15; ++i) EXPECT_EQ(g.Label1[static_cast<std::size_t>(i)]->foreColor(), RGB(255, 110, 0));
    EXPECT_EQ(run("var SelectedAnswer\nvar Level\nvar kTimes\nvar KyaAllowed"),
              "SelectedAnswer = E\nLevel = 1\nkTimes = 3\nKyaAllowed = True\n");
    EXPECT_EQ(g.Option1.value(), 1);
}

TEST(GameStart, NextQuestionClimbsTheLevelsAndStopsAfterTheFifteenth)
{
    Session run(fullBank());
    run.startBoard();
    run("click Game.lblStart");
    Game& g = run.game();
    for (int level = 2; level <= 15; ++level) {
        g.NextQuestion();
        EXPECT_EQ(g.lblQuestion.caption(), "Question " + std::to_string(level));
        EXPECT_EQ(g.lblQNo.caption(), std::to_string(level));
        EXPECT_EQ(run.m().Level, level);
    }
    g.NextQuestion();
    EXPECT_EQ(run.m().Level, 16);
    EXPECT_EQ(g.lblQNo.caption(), "15");
    EXPECT_EQ(g.lblQuestion.caption(), "Question 15");
}

TEST(GameStart, TheLadderAfterEachCorrectAnswer)
{
    Session run(fullBank());
    run.startBoard();
    run("click Game.lblStart");
    Game& g = run.game();
    auto win = [&](int level) {
        g.lblQNo.setCaption(std::to_string(level));
        run.m().Level = level;
        g.q_Level();
    };
    win(4);
    EXPECT_EQ(g.lblTotal.caption(), "5000");
    EXPECT_EQ(g.lblAs.caption(), "0");
    EXPECT_EQ(g.lblFor.caption(), " Rs. 10000/-");
    win(5);
    EXPECT_EQ(g.lblAs.caption(), "10000");
    win(12);
    EXPECT_EQ(g.lblFor.caption(), " Rs. 2500000/-");
    EXPECT_EQ(g.Label1[11]->foreColor(), RGB(255, 128, 0));
    EXPECT_EQ(g.Label1[12]->foreColor(), RGB(255, 255, 255));
    win(15);
    EXPECT_EQ(g.lblTotal.caption(), "10000000");
    EXPECT_EQ(g.lblAs.caption(), "10000000");
    EXPECT_FALSE(g.lblTotal.visible());
    EXPECT_FALSE(g.lblLock.visible());
    EXPECT_EQ(g.Label1[14]->foreColor(), RGB(255, 255, 255));
}

TEST(GameStart, ALevelWithoutQuestionsEndsTheGameWithTheMoneyWon)
{
    std::string bank;
    for (int level = 1; level <= 6; ++level) bank += record(level, "Q", "A", std::to_string(level)) + "\r\n";
    Session run(bank);
    run.startBoard();
    run("click Game.lblStart");
    Game& g = run.game();
    for (int level = 2; level <= 6; ++level) g.NextQuestion();
    g.lblQNo.setCaption("6");
    g.q_Level();
    run.m().Level = 6;
    const auto before = run.output().size();
    g.NextQuestion();
    EXPECT_EQ(run.output().substr(before), "msgbox: No question(s) present for the level : 7\n");
    EXPECT_EQ(run("get Result.Label1 Caption"), "Result.Label1.Caption = You have won Rs. 20000/-\n");
    EXPECT_TRUE(run.m().GameOver);
    EXPECT_EQ(g.lblQuestion.caption(), "");
    EXPECT_EQ(g.Label1[5]->foreColor(), RGB(255, 255, 255));
}

TEST(GameStart, OnlyTheExactTextOneIsLevelOneAtStart)
{
    Session run(crlf({record(1, "blank one", "A", " 1"), record(2, "one point oh", "A", "1.0")}));
    run.startBoard();
    EXPECT_EQ(run("click Game.lblStart\nget Message3.lblCaption Caption\nvar Msg3Open"),
              "Message3.lblCaption.Caption = No question(s) present for this level\nMsg3Open = True\n");
    EXPECT_EQ(run.game().lblQuestion.caption(), "");
}

TEST(GameStart, AnEmptyBankClosesTheBoardAtStart)
{
    Session run;
    run.startBoard();
    EXPECT_EQ(run("click Game.lblStart"),
              "msgbox: No questions present. The file imp.zrv seems to be empty. Please use restore feature present "
              "in Question editor to get back all default questions.\n");
    EXPECT_EQ(run.app().find("Game"), nullptr);
    EXPECT_TRUE(run.folder().exists("imp.zrv"));
}

TEST(GameStart, TheBankCheckAtLoadNamesTheMissingLevels)
{
    std::string bank;
    for (int level = 1; level <= 15; ++level)
        if (level != 3 && level != 7) bank += record(level, "Q", "A", level == 1 ? " 1" : std::to_string(level)) + "\r\n";
    Session run(bank, crlf({"opt2", "chk0", "chk2_1"}));
    run.startBoard();
    EXPECT_EQ(run.output(),
              "msgbox: Question(s) for the following level(s)  3  7 are missing. Please add these question using "
              "Question Editor.\n");
    EXPECT_EQ(run.app().find("Game"), nullptr);

    Session empty({}, crlf({"opt2", "chk0", "chk2_1"}));
    empty.startBoard();
    EXPECT_EQ(empty.output(),
              "msgbox: No questions present, please copy imp.zrv file to the application installed directory\n");

    Session complete(fullBank(), crlf({"opt2", "chk0", "chk2_1"}));
    complete.startBoard();
    EXPECT_EQ(complete.output(), "");
    EXPECT_NE(complete.app().find("Game"), nullptr);
}

TEST(GameStart, UnusableLinesAreSkippedAndReportedOncePerBoard)
{
    Session run(crlf({record(1, "Good", "A", "1"), "2,broken,line", record(3, "Also good", "A", "1")}));
    run.startBoard();
    EXPECT_EQ(run("rng 0.9\nclick Game.lblStart"),
              "msgbox: Some lines of the question bank imp.zrv are not questions and were skipped. Line 2. A "
              "question needs eight fields separated by commas, its level a number from 1 to 15.\n");
    EXPECT_EQ(run.game().lblQuestion.caption(), "Also good");
    const auto before = run.output().size();
    run.app().run([&] { run.game().lblStart_Click(); });
    EXPECT_EQ(run.output().substr(before), "");
}

TEST(GameStart, TheBoardScalesToTheScreenAndSizesItsFonts)
{
    Session run(fullBank());
    run("screen 19200 14400");
    run.startBoard();
    // Designed at 11520, 720, 1305 x 675 for 15360 x 11520.
    EXPECT_EQ(run("get Game.Image9 Left\nget Game.Image9 Top\nget Game.Image9 Width\nget Game.Image9 Height"),
              "Game.Image9.Left = 14400\nGame.Image9.Top = 900\nGame.Image9.Width = 1631\nGame.Image9.Height = 843\n");
    EXPECT_EQ(run("get Game.lblStart FontSize\nget Game.Label1(3) FontSize"),
              "Game.lblStart.FontSize = 28\nGame.Label1(3).FontSize = 12\n");

    Session small(fullBank());
    small("screen 12000 9000");
    small.startBoard();
    EXPECT_EQ(small("get Game.Label1(0) FontSize\nget Game.lblStart FontSize"),
              "Game.Label1(0).FontSize = 6\nGame.lblStart.FontSize = 18\n");

    Session large(fullBank());
    large("screen 20000 15000");
    large.startBoard();
    EXPECT_EQ(large("get Game.lblExit FontSize\nget Game.Label19 FontSize"),
              "Game.lblExit.FontSize = 21.75\nGame.Label19.FontSize = 9.75\n");
}

}  // namespace
}  // namespace zv
