// The main menu and the options: one copy per folder, the hover colours,
// Exit, and config.txt written by the Options dialog.

#include <gtest/gtest.h>

#include "engine/form_names.h"
#include "support/test_folder.h"

namespace zv {
namespace {

using test::Session;

TEST(MainMenu, ASecondCopyInTheSameFolderSaysSoAndEnds)
{
    Session first;
    std::ostringstream out;
    ScriptDriver second(out, first.folder().path());
    std::istringstream none;
    second.run(none);
    EXPECT_EQ(out.str(), "msgbox: Application is already running\n");
    EXPECT_TRUE(second.programEnded());
    // The first copy goes on.
    EXPECT_EQ(first("get Main Visible"), "Main.Visible = True\n");
    EXPECT_EQ(first.m().GameType, 2);
}

TEST(MainMenu, AHoveredLabelTakesThreeNumbersATickAndRestsWhenLeft)
{
    Session run;
    EXPECT_EQ(run("move Main.Label5\nrng 0.5 0 0.999\nwait 100\nget Main.Label5 ForeColor\nget Main.Label1 ForeColor"),
              "Main.Label5.ForeColor = 127,0,254\nMain.Label1.ForeColor = 255,192,128\n");
    // Straight from one label onto another: both stay lit.
    run("move Main.Label6");
    const auto draws = run.app().random().draws();
    run("wait 100");
    EXPECT_EQ(run.app().random().draws(), draws + 6);
    run("move Main.Image2\nwait 100");
    EXPECT_EQ(run("get Main.Label5 ForeColor\nget Main.Label6 ForeColor"),
              "Main.Label5.ForeColor = 255,192,128\nMain.Label6.ForeColor = 255,192,128\n");
}

// Leaving from the menu, by its Exit or by closing its window, in every game
// type and in every state a game can be in: no working copy is left,
// whatever closing the windows does, and no window keeps the program (and
// its single-copy lock) alive.
struct ExitState {
    const char* config;  // the game type
    const char* steps;   // from the menu to the state
    const char* leave = "click Main.Label4";
};

using test::kBlinking;
using test::kFast;
using test::kZrvLike;

const ExitState kExitStates[] = {
    {kZrvLike, ""},
    {kZrvLike, "click Main.Label1"},
    {kZrvLike, "click Main.Label1\nclick Game.lblStart"},
    {kZrvLike, "click Main.Label1\nclick Game.lblStart\nclick Game.lblB\nclick Game.lblLock"},
    // A right verdict waiting: closing Message draws the next question.
    {kZrvLike, "click Main.Label1\nclick Game.lblStart\nclick Game.lblB\nclick Game.lblLock\nwait 1000"},
    {kZrvLike, "click Main.Label1\nclick Game.lblStart\nclick Game.lblA\nclick Game.lblLock\nwait 1000"},
    {kZrvLike, "click Main.Label1\nclick Game.lblStart\nclick Game.lblKya"},
    {kZrvLike, "click Main.Label1\nclick Game.lblStart\nclick Game.lblExit"},
    {kZrvLike, "click Main.Label1\nclick Game.lblStart\nclick Game.lblWith"},
    {kBlinking, "click Main.Label1\nclick Game.lblStart\nclick Game.lblB\nclick Game.lblLock\nwait 2000"},
    {kBlinking, "click Main.Label1\nclick Game.lblStart\nclick Game.lblB\nclick Game.lblLock\nwait 4000"},
    {kBlinking, "click Main.Label1\nclick Game.lblStart\nclick Game.lblA\nclick Game.lblLock\nwait 4000"},
    {kBlinking, "click Main.Label1\nclick Game.lblStart\nclick Game.lblLock"},
    {kFast, "click Main.Label1\nclick Game.lblStart\nclick Game.lblB\nclick Game.lblLock"},
    {kFast, "click Main.Label1\nclick Game.lblStart\nclick Game.lblA\nclick Game.lblLock"},
    {kFast, "click Main.Label1\nclick Game.lblStart\nclick Game.Image10"},
    {kFast, "click Main.Label2\nclick Question.Command2\nclick Question.deletedata"},
    {kFast, "click Main.Label2\nclick Main.Label1\nclick Game.lblStart\nclick Main.Label6\nclick Main.Label3"},
    {kZrvLike, "click Main.Label1\nclick Game.lblStart", "close Main"},
    {kZrvLike, "click Main.Label2", "close Main"},
    {kZrvLike, "click Main.Label6", "close Main"},
    {kZrvLike, "click Main.Label3", "close Main"},
    {kZrvLike, "click Main.Label1\nclick Main.Label2\nclick Main.Label6", "close Main"},
};

TEST(MainMenu, LeavingLeavesNoWorkingCopyAndNoWindowInAnyGameTypeOrState)
{
    const std::string bank = test::ladderBank();
    for (const ExitState& state : kExitStates) {
        SCOPED_TRACE(std::string(state.config, 4) + ": " + state.steps + ", " + state.leave);
        Session run(bank, state.config, test::Open::Nothing);
        // Left behind by a copy of the game that was killed.
        for (const char* stale : {"q2.zrv", "q.zrv", "temp.zrv"}) run.folder().write(stale, "stale\r\n");
        run.start();
        run(state.steps);
        run(state.leave);
        for (const char* gone : {"q2.zrv", "q.zrv", "temp.zrv"}) EXPECT_FALSE(run.folder().exists(gone)) << gone;
        EXPECT_EQ(run.folder().read("imp.zrv"), bank);
        EXPECT_TRUE(run.app().loadedForms().empty());
        EXPECT_TRUE(run.app().ended());
    }
}

// config.txt as the board reads it, through the Options dialog it loads.
struct OptionsFile {
    std::string file;  // none when empty
    int gameType;
    bool fastStartup, advice;
    int option;  // the option button chosen, 1 to 3
    int check1, check2;
};

// A config.txt of the three lines a player chose, then a million more.
std::string millionLines()
{
    std::string many = test::crlf({"opt3", "chk0", "chk2_0"});
    many.reserve(many.size() + 8'000'000);
    for (int i = 0; i < 1'000'000; ++i) many += "opt1\r\n";
    return many;
}

TEST(Options, WhatTheBoardTakesFromConfigTxt)
{
    const OptionsFile kOptionsFiles[] = {
        {"", 2, true, true, 2, 1, 1},
        {"opt1\r\nchk1\r\nchk2_1\r\n", 1, true, true, 1, 1, 1},
        {"opt3\r\nchk0\r\nchk2_0\r\n", 3, false, false, 3, 0, 0},
        // Two lines: the defaults for all three.
        {"opt1\r\nchk0\r\n", 2, true, true, 2, 1, 1},
        // Compared exactly: "OPT1" leaves the game type of the program's start.
        {"OPT1\r\nchk0\r\nchk2_0\r\n", 2, false, false, 2, 0, 0},
        // Three lines of garbage, none of them known: each keeps what it had,
        // the game type of the program's start, its flags off, the boxes ticked.
        {std::string("\x00\xff\xfe garbage\r\n\r\n\x01", 16), 2, false, false, 2, 1, 1},
        // Only the first three lines count.
        {millionLines(), 3, false, false, 3, 0, 0},
    };
    for (const OptionsFile& o : kOptionsFiles) {
        SCOPED_TRACE(o.file.substr(0, 20));
        Session run(test::ladderBank(), o.file, test::Open::Board);
        EXPECT_EQ(run.m().GameType, o.gameType);
        EXPECT_EQ(run.m().FastStartup, o.fastStartup);
        EXPECT_EQ(run.m().KyaOption, o.advice);
        const Form& dialog = *run.app().find(forms::kOptions);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(dialog.ctl("Option" + std::to_string(i)).value(), i == o.option ? 1 : 0) << i;
        EXPECT_EQ(dialog.ctl("Check1").value(), o.check1);
        EXPECT_EQ(dialog.ctl("Check2").value(), o.check2);
        run("click Game.lblStart");
        EXPECT_EQ(run.game().lblKya.visible(), o.advice);
        EXPECT_TRUE(run.game().lblLock.visible());
    }
}

TEST(Options, TheMenuWaitsForTheDialog)
{
    Session run;
    EXPECT_EQ(run("click Main.Label5\nclick Main.Label1\nget frmOptions Caption\nget frmOptions.Check1 Caption\n"
                  "get frmOptions.Check2 Caption\nget frmOptions.Frame3 ToolTipText"),
              "ignored: Main.Label1\nfrmOptions.Caption = Options\nfrmOptions.Check1.Caption = Fast Startup (Risky)\n"
              "frmOptions.Check2.Caption = \"Kya Lagta Hai\" Option to be present.\n"
              "frmOptions.Frame3.ToolTipText = Setting this option is risky, as it doesn't check the number of "
              "questions present for each level. This may result in error message while playing if no. of "
              "questions for any level is 0.\n");
}

TEST(Options, OkWritesExactlyTheThreeChosenLines)
{
    Session run;
    run("click Main.Label5\nchoose frmOptions.Option1\ncheck frmOptions.Check2 0\nclick frmOptions.Command1");
    EXPECT_EQ(run.folder().read("config.txt"), "opt1\r\nchk1\r\nchk2_0\r\n");
    EXPECT_EQ(run.app().find("frmOptions"), nullptr);
    // Saving does not change the options in force.
    EXPECT_EQ(run.m().GameType, 2);
}

TEST(Options, TheCloseBoxLeavesWithoutSaving)
{
    Session run({}, kFast);
    run("click Main.Label5\nchoose frmOptions.Option1\nclose frmOptions");
    EXPECT_EQ(run.folder().read("config.txt"), "opt3\r\nchk1\r\nchk2_1\r\n");
    EXPECT_EQ(run.m().GameType, 3);
    EXPECT_EQ(run("click Main.Label1\nvar GameType"), "GameType = 3\n");
}

TEST(Options, TheBoardReadsTheFileOnlyWhenTheDialogIsFirstLoaded)
{
    Session run({}, kBlinking, test::Open::Board);
    EXPECT_EQ(run.m().GameType, 1);
    run.folder().write("config.txt", kFast);
    // The dialog the board loaded is still loaded, hidden: no new reading.
    run("close Game\nclick Main.Label1");
    EXPECT_EQ(run.m().GameType, 1);
    EXPECT_EQ(run("click Main.Label5\nget frmOptions.Option1 Value"), "frmOptions.Option1.Value = True\n");
}

}  // namespace
}  // namespace zv
