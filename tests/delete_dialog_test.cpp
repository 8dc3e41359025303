// The Delete dialog: what the box may hold when OK is pressed, and which
// question, if any, goes.

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace zv {
namespace {

using test::record;
using test::Session;

// The five questions without the one numbered `gone`, renumbered.
std::string without(int gone)
{
    std::string bank;
    int serial = 0;
    for (int i = 1; i <= 5; ++i)
        if (i != gone) bank += record(++serial, "Q" + std::to_string(i), "A", "1") + "\r\n";
    return bank;
}

struct Entry {
    std::string text;  // what the box holds (typed or pasted)
    const char* said;  // the message boxes shown
    int removed;       // the question that goes, or 0
    bool stays;        // the dialog is still open
};

const Entry kEntries[] = {
    {"3", "", 3, false},
    {"  4  ", "", 4, false},
    {"+5", "", 5, false},
    {"001", "", 1, false},
    // A number with a fraction: its integer part is the question.
    {"2.9", "", 2, false},
    // Numbers that name no question: nothing goes, and nothing is said.
    {"9", "", 0, false},  // past the end: the bank is rewritten as it was
    {"99999999999999999999", "", 0, false},
    {std::string(400, '9'), "", 0, false},
    {"0.5", "", 0, false},
    {"1e-400", "", 0, false},
    {"-2", "", 0, false},
    // Not a number at all.
    {"two", "msgbox: Please enter the question number in digits only, such as 12.\n", 0, true},
    {"2,9", "msgbox: Please enter the question number in digits only, such as 12.\n", 0, true},
    {"   ", "msgbox: Please enter the question number in digits only, such as 12.\n", 0, true},
    {"0x10", "msgbox: Please enter the question number in digits only, such as 12.\n", 0, true},
    // Empty, and zero.
    {"", "msgbox: Please enter a number\n", 0, true},
    {"000", "msgbox: Please enter a number greater than 0.\n", 0, true},
    {"0.0", "msgbox: Please enter a number greater than 0.\n", 0, true},
};

TEST(DeleteDialog, TheNumberInTheBoxAndWhatItRemoves)
{
    for (const Entry& e : kEntries) {
        SCOPED_TRACE("box holds \"" + e.text + "\"");
        Session run(test::numberedBank(5));
        run("click Main.Label2\nclick Question.deletedata");
        run.app().run([&] { run.app().find("Delete")->ctl("Text1").setText(e.text); });
        EXPECT_EQ(run("click Delete.Command1"), e.said);
        EXPECT_EQ(run.folder().read("imp.zrv"), e.removed ? without(e.removed) : test::numberedBank(5));
        EXPECT_EQ(run.app().find("Delete") != nullptr, e.stays);
        EXPECT_FALSE(run.folder().exists("old.zrv"));
    }
}

TEST(DeleteDialog, OnlyDigitsAndBackspaceAreTyped)
{
    Session run(test::numberedBank(5));
    // The keys on either side of the digits, and Backspace.
    EXPECT_EQ(run("click Main.Label2\nclick Question.deletedata\nkey Delete.Text1 47\nkey Delete.Text1 48\n"
                  "key Delete.Text1 57\nkey Delete.Text1 58\nkey Delete.Text1 8\nget Delete.Text1 Text"),
              "Delete.Text1.Text = 0\n");
}

}  // namespace
}  // namespace zv
