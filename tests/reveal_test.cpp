// The host's remarks, the board's close and the dialogs kept in front.

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace zv {
namespace {

using test::ladderBank;
using test::Session;

class Commentary : public ::testing::Test {
protected:
    Commentary() : run(ladderBank(), test::kZrvLike, test::Open::Game) {}
    // Generate at a level with the given lifelines left and random number.
    void generate(int level, int lifelinesLeft, double r)
    {
        Game& g = run.game();
        run.m().Level = level;
        g.lblQNo.setCaption(std::to_string(level));
        Control* images[] = {&g.Image9, &g.Image10, &g.Image11};
        for (int i = 0; i < 3; ++i) images[i]->setEnabled(i < lifelinesLeft);
        run.app().random().queue({r});
        g.Generate();
    }
    Session run;
};

TEST_F(Commentary, DrawsOneNumberOnlyFromLevelFive)
{
    Game& g = run.game();
    for (int level = 1; level <= 16; ++level) {
        const bool remarks = level >= 5 && level <= 15;
        const auto draws = run.app().random().draws();
        run.m().Level = level;
        g.Comment1 = "kept";
        g.Generate();
        EXPECT_EQ(run.app().random().draws(), draws + (remarks ? 1u : 0u)) << level;
        EXPECT_TRUE(remarks || g.Comment1 == "kept") << level;
    }
}

TEST_F(Commentary, RemarksOfEachBand)
{
    Game& g = run.game();
    generate(5, 3, 0.5);  // pick 3 of 4
    EXPECT_EQ(g.Comment1, " No No No No No.....");
    generate(5, 2, 0.25);  // pick 2: the lifeline remark of band A
    EXPECT_EQ(g.Comment1, "You have used just one lifeline. Intelligently played.");
    generate(6, 3, 0);
    EXPECT_EQ(g.Comment1, "You are at level 6 (Least Risk).");
    generate(8, 3, 0);
    EXPECT_EQ(g.Comment1, "You are at level 8.");
    generate(9, 0, 0.4);
    EXPECT_EQ(g.Comment1, "Unfortunately all your lifelines have been used.");
    g.Comment2 = "older";
    generate(9, 3, 0.9);
    EXPECT_EQ(g.Comment2, "older");  // level 9 writes only the first remark
    generate(11, 1, 0.9);
    EXPECT_EQ(g.Comment1, "You have used two lifelines.");
    EXPECT_EQ(g.Comment2, "If you loose at this level, you will get Rs. 3,20,000/-.");
    generate(12, 3, 0);
    EXPECT_EQ(g.Comment1, "You are at level 12.");
    EXPECT_EQ(g.Comment2, "You haven't used any lifeline. Very Well Played.");
    generate(15, 3, 0);
    EXPECT_EQ(g.Comment1, "You are at level 15.");
    EXPECT_EQ(g.Comment2, "You haven't used any lifeline. WHY???");
    EXPECT_EQ(g.Comment3,
              "If you win at this level you will get Rs. 1 crore, but if you loose you will get Rs. 3,20,000/- only.");
    generate(15, 1, 0.75);  // pick 8
    EXPECT_EQ(g.Comment1, "You have used two lifelines. You should have used all.");
    EXPECT_EQ(g.Comment2, "You should have withdrawn the amount.");
    EXPECT_EQ(g.Comment3, "No No No No No.....");
    generate(15, 0, 0.99);  // pick 10: nothing about the level or the lifelines
    EXPECT_EQ(g.CommentPick, 10);
    EXPECT_EQ(g.Comment1.rfind("If you win", 0), 0u);
}

TEST(LeavingTheBoard, ExitYesRemovesTheWorkingCopiesWithoutAMessage)
{
    Session run(ladderBank(), {}, test::Open::Game);
    run.folder().write("temp.zrv", "");
    EXPECT_EQ(run("click Game.lblExit\nclick frmExit.Command1"), "");
    EXPECT_FALSE(run.folder().exists("q2.zrv"));
    EXPECT_FALSE(run.folder().exists("temp.zrv"));
    EXPECT_TRUE(run.folder().exists("imp.zrv"));
    // Absent working copies: still no message.
    EXPECT_EQ(run("click Main.Label1\nclick Game.lblExit\nclick frmExit.Command1"), "");
}

TEST(LeavingTheBoard, ClosingTheBoardAfterARightVerdictStillMovesTheGameOn)
{
    Session run(ladderBank(), test::kZrvLike, test::Open::Game);
    run("click Game.lblB\nclick Game.lblLock\nwait 1000");
    ASSERT_TRUE(run.m().MsgOpen);
    run("close Game");
    EXPECT_EQ(run.m().Level, 2);
    EXPECT_FALSE(run.m().MsgOpen);
    EXPECT_EQ(run.app().find("Message"), nullptr);
    EXPECT_EQ(run.app().find("Game"), nullptr);
}

TEST(LeavingTheBoard, TheBoardsDialogsCloseWithoutOpeningABoard)
{
    // Each dialog's close and OK work on the board only when it is there.
    const char* steps[] = {"show Message\nclose Message", "show Message2\nclose Message2",
                           "show Message3\nclick Message3.Command1", "show Result\nclick Result.Command1"};
    for (const char* step : steps) {
        SCOPED_TRACE(step);
        Session run(ladderBank());
        run(step);
        EXPECT_EQ(run("forms"), "Main visible\n");
    }
}

TEST(KeepInFront, OpenDialogsAreShownAgainEveryTickAndAClosedOneComesBackEmpty)
{
    Session run(ladderBank(), test::kFast, test::Open::Game);
    run("click Game.lblLock");
    Form& prompt = *run.app().find("Message3");
    const unsigned shown = prompt.showCount();
    run("wait 300");
    EXPECT_EQ(prompt.showCount(), shown + 3);
    // Message3 has no close handler: its flag stays set and the board brings
    // it back, without its text.
    run("close Message3\nwait 100");
    EXPECT_EQ(run("get Message3 Visible\nget Message3.lblCaption Caption"),
              "Message3.Visible = True\nMessage3.lblCaption.Caption = \n");
}

}  // namespace
}  // namespace zv
