// The script driver's command language: what it prints, what it ignores and
// what is an error. Its exit status ends every transcript ("exit: 0", and 1
// in board_check.script after a command it could not carry out).

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace zv {
namespace {

using test::Session;

TEST(Driver, ErrorsArePrintedAndTheRunGoesOn)
{
    Session run(test::crlf({test::record(1, "Q", "A", "1")}), {}, test::Open::Board);
    EXPECT_EQ(run("bogus\nget Nowhere.lbl Caption\nget Game.NoSuch Caption\nget Game.lblStart Colour\n"
                  "get Game.Timer1 Caption\nvar NoSuchVar\nwait -5\nrng 1\nrng 0.5 x\nscreen 100\n"
                  "get Message3 Caption"),
              "error: bogus\nerror: get Nowhere.lbl Caption\nerror: get Game.NoSuch Caption\n"
              "error: get Game.lblStart Colour\nerror: get Game.Timer1 Caption\nerror: var NoSuchVar\n"
              "error: wait -5\nerror: rng 1\nerror: rng 0.5 x\nerror: screen 100\nerror: get Message3 Caption\n");
    // A get does not load the form it names.
    EXPECT_EQ(run.app().find("Message3"), nullptr);
}

TEST(Driver, BlankLinesAndCommentsAreSkipped)
{
    Session run({}, {}, test::Open::Board);
    EXPECT_EQ(run("\n   \n# a comment\n"), "");
}

TEST(Driver, EventsOnDisabledHiddenOrUnshownControlsAreIgnored)
{
    Session run(test::crlf({test::record(1, "Q", "A", "1")}), {}, test::Open::Board);
    EXPECT_EQ(run("click Game.ImgA\nclick Game.Option1\nclick Game.lblLock\nclick Message3.Command1\nmove Game.lblA"),
              "ignored: Game.ImgA\nignored: Game.Option1\nignored: Game.lblLock\nignored: Message3.Command1\n"
              "ignored: Game.lblA\n");
    EXPECT_EQ(run("move Game\nclose frmOptions"), "ignored: frmOptions\n");
}

TEST(Driver, PrintsValuesInTheirOwnForms)
{
    Session run(test::crlf({test::record(1, "Q", "A", "1")}), {}, test::Open::Board);
    EXPECT_EQ(run("get Game.lblStart Visible\nget Game.lblExit ForeColor\nget Game.lblQuestion Caption\n"
                  "get Game Caption\nget frmOptions.Check1 Value\nget frmOptions.Option2 Value\nvar QuestionRec(10)\n"
                  "var Game.kTimes\nget Game.Timer4 Interval\nget Game.Timer4 Enabled"),
              "Game.lblStart.Visible = True\nGame.lblExit.ForeColor = 255,110,0\nGame.lblQuestion.Caption = \n"
              "Game.Caption = Zarvana\nfrmOptions.Check1.Value = 1\nfrmOptions.Option2.Value = True\n"
              "QuestionRec(10) = \nGame.kTimes = 0\nGame.Timer4.Interval = 300\nGame.Timer4.Enabled = False\n");
    EXPECT_EQ(run("forms"), "Main visible\nGame visible\nfrmOptions hidden\n");
}

TEST(Driver, TextIsTakenAsItIsAndChecksAndChoicesSetTheirGroup)
{
    Session run({}, {}, test::Open::Board);
    run("show frmOptions");
    EXPECT_EQ(run("choose frmOptions.Option3\nget frmOptions.Option2 Value\ncheck frmOptions.Check1 0\n"
                  "get frmOptions.Check1 Value\ncheck frmOptions.Check1 2"),
              "frmOptions.Option2.Value = False\nfrmOptions.Check1.Value = 0\nerror: check frmOptions.Check1 2\n");
}

}  // namespace
}  // namespace zv
