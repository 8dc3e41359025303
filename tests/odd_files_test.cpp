// Banks as players leave them: other line ends, a byte-order mark, blank
// and damaged lines, old Windows text, a full disk, a copy that was killed.
// A config.txt of garbage or of a million lines is among the options files
// of menu_options_test.cpp; a delete keeping old Windows text byte for byte
// is in maintenance_test.cpp.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "support/faulty_files.h"
#include "support/test_folder.h"
#include "toolkit/text_encoding.h"
#include "ui/question_editor.h"

namespace zv {
namespace {

using test::crlf;
using test::record;
using test::Session;

TEST(OddFiles, LfLineEndsAByteOrderMarkBlankLinesAndNoFinalLineEnd)
{
    Session run("\xEF\xBB\xBF" + record(1, "First", "A", "1") + "\n\n   \n" + record(2, "Second", "B", "1"), {},
                test::Open::Board);
    EXPECT_EQ(run.startWith(0), "First");
    EXPECT_EQ(run.startWith(0.99), "Second");
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
    Session run(crlf({record(1, "Whole", "A", "1"), huge}) + "3,Which is the ca", {}, test::Open::Board);
    EXPECT_EQ(run.startWith(0.5), "Whole");
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
}

TEST(OddFiles, AFullDiskLeavesTheBankAsItWasAndSaysSo)
{
    const std::string bank = crlf({record(1, "Q1", "A", "1"), record(2, "Q2", "A", "2")});
    Session run(bank);
    run("click Main.Label2");
    test::FaultyFiles& full = run.faultyFiles();
    for (const char* file : {"imp.zrv", "old.zrv"}) full.failWrite(file, 1);
    const std::string said = run(test::typedQuestion("New", "A", "3") +
                                 "click Question.add1\nclick Question.deletedata\ntext Delete.Text1 1\n"
                                 "click Delete.Command1\nclick Delete.Command1");
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
