// Banks and options files as players leave them: other line ends, a byte-
// order mark, blank and damaged lines, old Windows text, garbage, a full
// disk, a copy that was killed.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "bank/maintenance.h"
#include "support/faulty_files.h"
#include "support/test_folder.h"
#include "toolkit/text_encoding.h"
#include "ui/question_editor.h"

namespace zv {
namespace {

using test::crlf;
using test::record;
using test::Session;

std::string question(Session& run, double r)
{
    run.app().random().queue({r});
    run.app().run([&] { run.game().lblStart_Click(); });
    return run.game().lblQuestion.caption();
}

TEST(OddFiles, LfLineEndsAByteOrderMarkBlankLinesAndNoFinalLineEnd)
{
    Session run("\xEF\xBB\xBF" + record(1, "First", "A", "1") + "\n\n   \n" + record(2, "Second", "B", "1"));
    run.startBoard();
    EXPECT_EQ(question(run, 0), "First");
    EXPECT_EQ(question(run, 0.99), "Second");
    EXPECT_EQ(run.output(), "");  // blank lines are passed over quietly
    // The editor numbers the next question after the last line and lists the
    // first one with its plain number.
    run("close Game\nclick Main.Label2");
    EXPECT_NE(run("list Question.List1").find("Question.List1(1) =    1           1           A           First\n"),
              std::string::npos);
}

TEST(OddFiles, APartialLastLineAndAMegabyteLineAreSkippedAndNamed)
{
    const std::string huge = "2," + std::string(1 << 20, 'x') + ",a,b,c,d,A,1";
    Session run(crlf({record(1, "Whole", "A", "1"), huge}) + "3,Which is the ca");
    run.startBoard();
    EXPECT_EQ(question(run, 0.5), "Whole");
    EXPECT_NE(run.output().find("Lines 2, 3."), std::string::npos) << run.output();
}

TEST(OddFiles, OldWindowsTextAndUtf8ShowRightLineByLine)
{
    // "Café, £5 and “quotes”" in the Windows code page, then in UTF-8, then Hindi.
    const std::string legacy = "Caf\xe9, \xa3" "5 and \x93quotes\x94";
    const std::string utf8 = "Caf\xc3\xa9, \xc2\xa3" "5 and \xe2\x80\x9cquotes\xe2\x80\x9d";
    const std::string hindi = "\xe0\xa4\xad\xe0\xa4\xbe\xe0\xa4\xb0\xe0\xa4\xa4";
    EXPECT_EQ(displayText(legacy), utf8);
    EXPECT_EQ(displayText(utf8), utf8);
    EXPECT_EQ(displayText(hindi), hindi);
    EXPECT_EQ(displayText("\x80\x9f"), "\xe2\x82\xac\xc5\xb8");
    EXPECT_FALSE(isValidUtf8("\xc0\xaf"));          // an overlong slash
    EXPECT_FALSE(isValidUtf8("\xed\xa0\x80"));      // a surrogate
    EXPECT_FALSE(isValidUtf8("\xe0\xa4"));          // cut short
    EXPECT_TRUE(isValidUtf8("\xf0\x9f\x8e\x89"));

    // A delete rewrites the other lines byte for byte, whatever their code.
    test::TestFolder dir;
    dir.write("imp.zrv", crlf({"1," + EscapeCommas(legacy) + ",a,b,c,d,A,1", "2,gone,a,b,c,d,A,1",
                               "3," + hindi + ",a,b,c,d,A,2"}));
    BankFolder bank(dir.path());
    ASSERT_TRUE(DeleteQuestion(bank, 2) && CommitDelete(bank));
    EXPECT_EQ(dir.read("imp.zrv"), crlf({"1," + EscapeCommas(legacy) + ",a,b,c,d,A,1", "2," + hindi + ",a,b,c,d,A,2"}));
}

TEST(OddFiles, ConfigOfGarbageOrOfAMillionLinesGivesTheDefaultsOrTheFirstThree)
{
    Session garbage({}, std::string("\x00\xff\xfe garbage\r\n\r\n\x01", 16));
    garbage.startBoard();
    // Three lines, none of them known: each option keeps what it had, the
    // game type 2 of the program's start and the others off.
    EXPECT_EQ(garbage.m().GameType, 2);
    EXPECT_FALSE(garbage.m().KyaOption);
    EXPECT_EQ(garbage("get frmOptions.Option2 Value"), "frmOptions.Option2.Value = True\n");

    std::string many = crlf({"opt3", "chk0", "chk2_0"});
    many.reserve(many.size() + 8'000'000);
    for (int i = 0; i < 1'000'000; ++i) many += "opt1\r\n";
    Session big(crlf({record(1, "Q", "A", "1")}), many);
    big.start();
    big("click Main.Label5");
    EXPECT_EQ(big.m().GameType, 3);
    EXPECT_FALSE(big.m().FastStartup);
}

TEST(OddFiles, AFullDiskLeavesTheBankAsItWasAndSaysSo)
{
    const std::string bank = crlf({record(1, "Q1", "A", "1"), record(2, "Q2", "A", "2")});
    Session run(bank);
    run.start();
    run("click Main.Label2");
    test::FaultyFiles full;
    run.program().bank.setFiles(full);
    for (const char* file : {"imp.zrv", "old.zrv"}) full.failWrite(file, 1);
    const std::string said =
        run("text Question.Text1 New\ntext Question.Options(0) a\ntext Question.Options(1) b\n"
            "text Question.Options(2) c\ntext Question.Options(3) d\ntext Question.Combo1 A\ntext Question.Combo2 3\n"
            "click Question.add1\nclick Question.deletedata\ntext Delete.Text1 1\nclick Delete.Command1\n"
            "click Delete.Command1");
    full.heal();
    EXPECT_EQ(run.folder().read("imp.zrv"), bank);
    EXPECT_EQ(said, std::string("msgbox [Question Validator]: ") + kBankNotWritten + "\nmsgbox: " + kBankNotWritten +
                        "\nmsgbox: " + kBankNotWritten + "\n");
    // What was typed is still there to be added once there is room.
    EXPECT_EQ(run("get Question.Text1 Text"), "Question.Text1.Text = New\n");
    EXPECT_FALSE(run.folder().exists("old.zrv"));
}

#ifndef _WIN32
TEST(OddFiles, ACopyThatWasKilledDoesNotStopTheNextStart)
{
    test::TestFolder dir;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock lock(dir.path() / ".zarvana.lock");
        const char held = lock.heldByAnother() ? 'n' : 'y';
        if (write(ready[1], &held, 1) != 1) _exit(2);
        for (;;) pause();
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    {
        InstanceLock probe(dir.path() / ".zarvana.lock");
        EXPECT_TRUE(probe.heldByAnother());
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    std::ostringstream out;
    ScriptDriver next(out, dir.path());
    std::istringstream none;
    next.run(none);
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(next.programEnded());
}
#endif

}  // namespace
}  // namespace zv
