// The board from its load to the first question, and the later draws.

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace zv {
namespace {

using test::crlf;
using test::ladderBank;
using test::record;
using test::Session;

TEST(GameStart, ADrawOfThreeTakesOneNumberAndAHalfPicksTheSecond)
{
    const std::string bank =
        crlf({record(1, "First; one", "A", "1"), record(2, "Second", "B", "1"), record(3, "Third", "C", "1")});
    Session run(bank, {}, test::Open::Board);
    const auto draws = run.app().random().draws();
    EXPECT_EQ(run("rng 0.5\nclick Game.lblStart\nget Game.lblQuestion Caption\nget Game.lblCorrect Caption"),
              "Game.lblQuestion.Caption = Second\nGame.lblCorrect.Caption = B\n");
    EXPECT_EQ(run.app().random().draws(), draws + 1);
    EXPECT_EQ(run.folder().read("q2.zrv"), bank);

    // Start is hidden while a game runs; a new game here starts directly.
    EXPECT_EQ(run.startWith(0.9999), "Third");
    // Commas are stored as semicolons and shown again as commas.
    EXPECT_EQ(run.startWith(0), "First, one");
}

TEST(GameStart, ANumberThatIsOneInSinglePrecisionDrawsTheLastQuestionNotOnePast)
{
    // 0.99999999 is below 1, but in single precision it is 1.0: three times
    // it, plus 1, would be a fourth question of three.
    Session run(crlf({record(1, "First", "A", "1"), record(2, "Second", "B", "1"), record(3, "Third", "C", "1"),
                      record(4, "Two first", "A", "2"), record(5, "Two second", "B", "2")}), {}, test::Open::Board);
    EXPECT_EQ(run("rng 0.99999999\nclick Game.lblStart\nget Game.lblQuestion Caption\nvar PickNo"),
              "Game.lblQuestion.Caption = Third\nPickNo = 3\n");
    run.app().random().queue({0.99999999});
    run.app().run([&] { run.game().NextQuestion(); });
    EXPECT_EQ(run.game().lblQuestion.caption(), "Two second");
    EXPECT_EQ(run.game().lblCorrect.caption(), "B");
}

TEST(GameStart, StartAfterAGameResetsTheBoard)
{
    // The first game's board is in start_draw.script; this one follows a game
    // with a spent lifeline, a pick and a withdrawal.
    Session run(ladderBank(), test::kFast, test::Open::Game);
    run("click Game.lblB\nclick Game.lblLock\nclick Message3.Command1\nclick Game.Image9\n"
        "click Game.lblA\nclick Game.lblWith\nclick Result.Command1\nclick Game.lblStart");
    Game& g = run.game();
    EXPECT_FALSE(g.lblStart.visible());
    EXPECT_TRUE(g.lblLock.visible() && g.lblLock.enabled());
    EXPECT_TRUE(g.lblKya.visible());  // host advice is on by default
    for (Control* img : {&g.Image9, &g.Image10, &g.Image11}) EXPECT_TRUE(img->enabled());
    EXPECT_EQ(g.Image9.picture(), "Image1");
    for (Control* c : {&g.ImgA, &g.ImgB, &g.ImgC, &g.ImgD}) EXPECT_EQ(c->picture(), "ImgBlack");
    EXPECT_EQ(g.lblQNo.caption(), "1");
    EXPECT_EQ(g.Label1[1]->foreColor(), RGB(255, 110, 0));
    EXPECT_EQ(run("var SelectedAnswer\nvar Level\nvar kTimes\nvar KyaAllowed"),
              "SelectedAnswer = E\nLevel = 1\nkTimes = 3\nKyaAllowed = True\n");
    EXPECT_EQ(g.Option1.value(), 1);
}

TEST(GameStart, ALevelWithoutQuestionsEndsTheGameWithTheMoneyWon)
{
    Session run(test::numberedBank(6, [](int i) { return i; }), {}, test::Open::Game);
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
    Session run(crlf({record(1, "blank one", "A", " 1"), record(2, "one point oh", "A", "1.0")}), {}, test::Open::Board);
    EXPECT_EQ(run("click Game.lblStart\nget Message3.lblCaption Caption\nvar Msg3Open"),
              "Message3.lblCaption.Caption = No question(s) present for this level\nMsg3Open = True\n");
    EXPECT_EQ(run.game().lblQuestion.caption(), "");
}

TEST(GameStart, AnEmptyBankClosesTheBoardAtStart)
{
    Session run({}, {}, test::Open::Board);
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
    Session run(bank, crlf({"opt2", "chk0", "chk2_1"}), test::Open::Board);
    EXPECT_EQ(run.output(),
              "msgbox: Question(s) for the following level(s)  3  7 are missing. Please add these question using "
              "Question Editor.\n");
    EXPECT_EQ(run.app().find("Game"), nullptr);

    Session empty({}, crlf({"opt2", "chk0", "chk2_1"}), test::Open::Board);
    EXPECT_EQ(empty.output(),
              "msgbox: No questions present, please copy imp.zrv file to the application installed directory\n");
}

TEST(GameStart, UnusableLinesAreSkippedAndReportedOncePerBoard)
{
    Session run(crlf({record(1, "Good", "A", "1"), "2,broken,line", record(3, "Also good", "A", "1")}), {},
                test::Open::Board);
    EXPECT_EQ(run("rng 0.9\nclick Game.lblStart"),
              "msgbox: Some lines of the question bank imp.zrv are not questions and were skipped. Line 2. A "
              "question needs eight fields separated by commas, its level a number from 1 to 15.\n");
    EXPECT_EQ(run.game().lblQuestion.caption(), "Also good");
    const auto before = run.output().size();
    run.startWith(0);
    EXPECT_EQ(run.output().substr(before), "");
}

// The board's fonts by the width of the screen it opens on: three bands
// below 19300 twips, the design's sizes from there on.
struct Screen {
    int width, height;
    int image9Width;
    double lock, total, label2, label19, label20, question, option, row, start;
};
const Screen kScreens[] = {
    {12000, 9000, 1019, 10, 6, 10, 8, 10, 10, 10, 6, 18},
    {15360, 11520, 1305, 12, 8, 12, 10, 12, 12, 12, 8, 22},
    {17000, 12750, 1444, 14, 12, 16, 14, 16, 16, 16, 12, 28},
    {20000, 15000, 1699, 12, 12, 12, 9.75, 12, 12, 12, 12, 21.75},
};

TEST(GameStart, TheBoardScalesToTheScreenAndSizesItsFonts)
{
    for (const Screen& s : kScreens) {
        SCOPED_TRACE(s.width);
        Session run(ladderBank(), {}, test::Open::Nothing);
        run("screen " + std::to_string(s.width) + " " + std::to_string(s.height));
        run.startBoard();
        Game& g = run.game();
        EXPECT_EQ(g.Image9.width(), s.image9Width);
        const std::pair<const Control*, double> sizes[] = {
            {&g.lblLock, s.lock},         {&g.lblTotal, s.total},       {&g.Label2, s.label2},
            {&g.ctl("Label19"), s.label19}, {&g.ctl("Label20"), s.label20}, {&g.lblQuestion, s.question},
            {g.lblAnswer[2], s.option},   {g.Label1[14], s.row},        {&g.lblStart, s.start},
            {&g.lblExit, s.start}};
        for (auto [control, size] : sizes) EXPECT_EQ(control->fontSize(), size) << control->displayName();
    }
    // The other edges of a lifeline, scaled with the screen.
    Session run(ladderBank(), {}, test::Open::Nothing);
    run("screen 19200 14400");
    run.startBoard();
    EXPECT_EQ(run("get Game.Image9 Left\nget Game.Image9 Top\nget Game.Image9 Height"),
              "Game.Image9.Left = 14400\nGame.Image9.Top = 900\nGame.Image9.Height = 843\n");
}

}  // namespace
}  // namespace zv
