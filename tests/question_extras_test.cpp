// Explanations kept beside the bank: the file itself, and an explanation
// following its question through the editor's add, edit, delete and the
// restore of the default bank.

#include <gtest/gtest.h>

#include "bank/question_extras.h"
#include "support/test_folder.h"

namespace zv {
namespace {

using test::Session;

TEST(QuestionExtras, TheFileBesideTheBank)
{
    test::TestFolder dir;
    BankFolder bank(dir.path());
    QuestionExtras extras;
    extras.set("Why; really?", {"Because\tit is\nso. ", "science"});
    extras.set("Gone", {"soon", ""});
    extras.set("Gone", {});
    extras.rename("Why; really?", "Why?");
    ASSERT_FALSE(extras.write(bank, "imp.zrv"));
    EXPECT_EQ(dir.read("imp-extras.tsv"), "question\texplanation\tcategory\r\nWhy?\tBecause it is so.\tscience\r\n");
    const QuestionExtras back = QuestionExtras::read(bank, "imp.zrv");
    ASSERT_TRUE(back.find("Why?"));
    EXPECT_EQ(*back.find("Why?"), (QuestionExtra{"Because it is so.", "science"}));
    // A bank without extras has no file.
    ASSERT_FALSE(QuestionExtras().write(bank, "imp.zrv"));
    EXPECT_FALSE(dir.exists("imp-extras.tsv"));
}

TEST(QuestionExtras, AnExplanationGoesWithItsQuestion)
{
    Session run(test::ladderBank());
    run.folder().write("default.zrv", test::crlf({test::record(1, "Default one", "C", "1")}));
    run.folder().write("default-extras.tsv", "question\texplanation\tcategory\r\nDefault one\tFrom the default.\t\r\n");
    run.start();
    auto explanationOf = [&](const std::string& question) {
        const QuestionExtras extras = QuestionExtras::read(run.program().bank, "imp.zrv");
        const QuestionExtra* e = extras.find(question);
        return e ? e->explanation : std::string("(none)");
    };
    run("click Main.Label2\ntext Question.Text1 New, one\ntext Question.Options(0) a\ntext Question.Options(1) b\n"
        "text Question.Options(2) c\ntext Question.Options(3) d\ntext Question.Combo1 A\ntext Question.Combo2 2\n"
        "text Question.txtExplain Added so.\nclick Question.add1");
    EXPECT_EQ(explanationOf("New; one"), "Added so.");
    // Edited: the explanation follows the new text.
    run("select Question.List1 16\ntext Question.Text1 Newer, one\nclick Question.cmdSave");
    EXPECT_EQ(explanationOf("New; one"), "(none)");
    EXPECT_EQ(explanationOf("Newer; one"), "Added so.");
    // Deleted with the editor: its explanation goes too.
    run("select Question.List1 16\nclick Question.cmdRemove\nclick frmConfirm.Command1");
    EXPECT_EQ(explanationOf("Newer; one"), "(none)");
    // Restored: the default bank's explanations, the player's kept aside.
    run("text Question.txtFind Q1\nselect Question.List1 1\ntext Question.txtExplain Mine.\nclick Question.cmdSave\n"
        "click Question.Command6\nclick frmRestore.Command1");
    EXPECT_EQ(explanationOf("Default one"), "From the default.");
    EXPECT_NE(run.folder().read("can_be_deleted-extras.tsv").find("Q1\tMine."), std::string::npos);
}

}  // namespace
}  // namespace zv
