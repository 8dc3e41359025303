// Keeping the bank: the files each operation leaves, and a bank that is
// whole on disk wherever a delete or a restore is cut short.

#include <gtest/gtest.h>

#include "bank/maintenance.h"
#include "support/test_folder.h"

namespace zv {
namespace {

using test::crlf;
using test::record;
using test::TestFolder;

std::string fiveQuestions()
{
    return test::numberedBank(5, [](int i) { return i; });
}

struct Stop {};

// The renumbering, and a number past the end: delete_dialog_test.cpp.
TEST(Maintenance, DeleteKeepsLinesItCannotReadAndDropsEveryMatchingNumber)
{
    TestFolder dir;
    // Old Windows text and UTF-8 are rewritten byte for byte, renumbered or not.
    const std::string legacy = "Caf\xe9; \xa3" "5 and \x93quotes\x94", hindi = "\xe0\xa4\xad\xe0\xa4\xbe\xe0\xa4\xb0";
    dir.write("imp.zrv", crlf({record(1, legacy, "A", "1"), "a broken line", record(2, "Q2", "A", "2"),
                               record(2, "Q2 again", "A", "2"), record(6, hindi, "A", "4")}));
    BankFolder bank(dir.path());
    ASSERT_TRUE(DeleteQuestion(bank, 2) && CommitDelete(bank));
    EXPECT_EQ(dir.read("imp.zrv"), crlf({record(1, legacy, "A", "1"), "a broken line", record(4, hindi, "A", "4")}));
}

TEST(Maintenance, ADeleteCutShortAtAnyStepLeavesAWholeBank)
{
    const std::string before = fiveQuestions();
    // The bank after the delete of question 2, and the steps it takes.
    std::string after;
    int steps = 0;
    {
        TestFolder dir;
        dir.write("imp.zrv", before);
        BankFolder bank(dir.path());
        auto count = [&](const char*) { ++steps; };
        ASSERT_TRUE(DeleteQuestion(bank, 2, count) && CommitDelete(bank, count));
        after = dir.read("imp.zrv");
    }
    ASSERT_GT(steps, 5);
    for (int stopAt = 1; stopAt <= steps; ++stopAt) {
        TestFolder dir;
        dir.write("imp.zrv", before);
        BankFolder bank(dir.path());
        int step = 0;
        auto crash = [&](const char*) {
            if (++step == stopAt) throw Stop{};
        };
        try {
            if (DeleteQuestion(bank, 2, crash)) CommitDelete(bank, crash);
        } catch (const Stop&) {
        }
        const std::string onDisk = dir.read("imp.zrv");
        EXPECT_TRUE(onDisk == before || onDisk == after) << "stopped at step " << stopAt;
    }
}

TEST(Maintenance, RestoreKeepsTheOldBankAndIsWholeWhereverItStops)
{
    TestFolder dir;
    const std::string mine = crlf({record(1, "Mine", "B", "1")});
    const std::string defaults = fiveQuestions();
    dir.write("imp.zrv", mine);
    dir.write("default.zrv", defaults);
    dir.write("can_be_deleted.zrv", "an older backup\r\n");
    BankFolder bank(dir.path());
    ASSERT_TRUE(RestoreDefaultBank(bank));
    EXPECT_EQ(dir.read("can_be_deleted.zrv"), mine);
    EXPECT_EQ(dir.read("imp.zrv"), defaults);

    for (int stopAt = 1; stopAt <= 8; ++stopAt) {
        dir.write("imp.zrv", mine);
        int step = 0;
        try {
            RestoreDefaultBank(bank, [&](const char*) {
                if (++step == stopAt) throw Stop{};
            });
        } catch (const Stop&) {
        }
        const std::string onDisk = dir.read("imp.zrv");
        EXPECT_TRUE(onDisk == mine || onDisk == defaults) << "stopped at step " << stopAt;
        EXPECT_TRUE(dir.exists("imp.zrv"));
    }
}

TEST(Maintenance, RestoreWithoutTheDefaultBankSavesTheBankAndRemovesIt)
{
    TestFolder dir;
    dir.write("imp.zrv", "1,Mine,a,b,c,d,A,1\r\n");
    BankFolder bank(dir.path());
    EXPECT_FALSE(RestoreDefaultBank(bank));
    EXPECT_EQ(dir.read("can_be_deleted.zrv"), "1,Mine,a,b,c,d,A,1\r\n");
    EXPECT_FALSE(dir.exists("imp.zrv"));
    // Without a bank there is nothing to save: nothing else happens.
    dir.write("default.zrv", fiveQuestions());
    EXPECT_FALSE(RestoreDefaultBank(bank));
    EXPECT_FALSE(dir.exists("imp.zrv"));
}

TEST(Maintenance, AddNumbersAfterTheLastLineAndStoresCommasAsSemicolons)
{
    TestFolder dir;
    const std::string twenty = test::numberedBank(20);
    dir.write("imp.zrv", twenty);
    BankFolder bank(dir.path());
    EXPECT_EQ(AddQuestion(bank, "  Delhi, or Agra?  ", {" a,b", "c", "d", "e "}, "B", "7"), "21,Delhi; or Agra?,a;b,c,d,e,B,7");
    EXPECT_EQ(dir.read("imp.zrv"), twenty + "21,Delhi; or Agra?,a;b,c,d,e,B,7\r\n");
    // A bank edited elsewhere may end without a line end: the new line still
    // starts a line of its own.
    dir.write("imp.zrv", "1,Q,a,b,c,d,A,1");
    AddQuestion(bank, "New", {"a", "b", "c", "d"}, "C", "2");
    EXPECT_EQ(dir.read("imp.zrv"), "1,Q,a,b,c,d,A,1\r\n2,New,a,b,c,d,C,2\r\n");
}

TEST(Maintenance, ListAndCountPerLevel)
{
    TestFolder dir;
    dir.write("imp.zrv", crlf({record(12, "Which; really?", "A", "4"), record(2, "Q", "A", " 1"), record(3, "Q", "A", "1.0"),
                               record(4, "Q", "A", "1")}));
    BankFolder bank(dir.path());
    auto rows = listRows(bank);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], "S. No.   Difficulty   Answer   Question");
    EXPECT_EQ(rows[1], "   12           4           A           Which, really?");
    EXPECT_TRUE(dir.exists("q.zrv"));
    QuestionRecord rec;
    auto counts = countPerLevel(bank, rec);
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(counts[1], 0);
    EXPECT_EQ(counts[3], 1);
}

TEST(Editor, ClosingTheEditorRemovesTheWorkingCopiesSilently)
{
    test::Session run(fiveQuestions());
    run("click Main.Label2\nclick Question.Command2");
    ASSERT_TRUE(run.folder().exists("temp.zrv"));
    EXPECT_EQ(run("close Question"), "");
    for (const char* gone : {"q.zrv", "temp.zrv", "q2.zrv"}) EXPECT_FALSE(run.folder().exists(gone));
    EXPECT_EQ(run("click Main.Label2\nclose Question"), "");
}

TEST(Editor, AnAddedQuestionIsPlayed)
{
    test::Session run;
    run("click Main.Label2\n" +
        test::typedQuestion("A question of mine, with a comma", "C", "1", {"One", "Two", "Three", "Four"}) +
        "click Question.add1\nclose Question");
    EXPECT_EQ(run.folder().read("imp.zrv"), "1,A question of mine; with a comma,One,Two,Three,Four,C,1\r\n");
    EXPECT_EQ(run("click Main.Label1\nclick Game.lblStart\nget Game.lblQuestion Caption\nget Game.lblCorrect Caption"),
              "Game.lblQuestion.Caption = A question of mine, with a comma\nGame.lblCorrect.Caption = C\n");
}

TEST(Editor, ATextLongerThanTheBoardShowsIsSavedOnlyOnASecondAdd)
{
    test::Session run;
    const std::string question(161, 'q');
    run("click Main.Label2\n" + test::typedQuestion(question, "C", "1", {std::string(41, 'a'), "Two", "Three", "Four"}));
    EXPECT_EQ(run("click Question.add1"),
              "msgbox [Question Validator]: The question has 161 characters; the board shows 160 in full.\n"
              "Option A has 41 characters; the board shows 40 in full.\n"
              "Shorten it, or press Add again to save it as it is: the board will draw it smaller and may cut it "
              "short.\n");
    EXPECT_FALSE(run.folder().exists("imp.zrv") && !run.folder().read("imp.zrv").empty());
    // The same texts again: saved as they are.
    EXPECT_EQ(run("click Question.add1"), "");
    EXPECT_NE(run.folder().read("imp.zrv").find(question), std::string::npos);
    // A question of exactly 160 characters (UTF-8 letters count once) needs no second Add.
    std::string fits;
    for (int i = 0; i < 80; ++i) fits += "\xC3\xA9" "e";
    run(test::typedQuestion(fits, "A", "2"));
    EXPECT_EQ(run("click Question.add1"), "");
    EXPECT_NE(run.folder().read("imp.zrv").find(fits), std::string::npos);
}

}  // namespace
}  // namespace zv
