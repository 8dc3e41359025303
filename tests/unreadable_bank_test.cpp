// A bank that cannot be read, or not to its end (or the default bank a
// restore reads): every editor operation that reads it and then writes
// stops, says so, and leaves every file as it was.

#include <gtest/gtest.h>

#include "support/faulty_files.h"
#include "support/test_folder.h"

namespace zv {
namespace {

using test::FaultyFiles;
using test::Session;

struct ReadFault {
    int nth;  // the read that fails; 0: the bank cannot be opened for reading
    std::errc error;
    const char* reason;  // as the player is told
};

const ReadFault kFaults[] = {
    {0, std::errc::permission_denied, "permission denied"},  // written but not readable, like mode 200
    {1, std::errc::io_error, "the disk reported an error"},
    {2, std::errc::io_error, "the disk reported an error"},  // after a whole block was read
};

struct Operation {
    const char* name;
    const char* before;  // with the bank still readable
    std::string steps;   // with the fault in place
    const char* title;   // of the message box
    const char* after;   // commands whose output shows nothing else changed
    const char* shows;
    const char* file = "imp.zrv";  // the file that cannot be read
    const char* named = "The question bank";
};

const Operation kOperations[] = {
    {"delete", "click Main.Label2\nclick Question.deletedata",
     "text Delete.Text1 2\nclick Delete.Command1", "", "forms",
     "Main visible\nQuestion visible\nDelete visible\n"},
    {"restore", "click Main.Label2", "click Question.Command6\nclick frmRestore.Command1", "", "forms",
     "Main visible\nQuestion visible\n"},
    {"add", "click Main.Label2", test::typedQuestion("New", "A", "3") + "click Question.add1", "[Question Validator]",
     "get Question.Text1 Text", "Question.Text1.Text = New\n"},
    {"list", "", "click Main.Label2", "", "get Question.List1 ListCount", "Question.List1.ListCount = 0\n"},
    {"count per level", "click Main.Label2", "click Question.Command2", "", "get Question.Frame1 Visible",
     "Question.Frame1.Visible = False\n"},
    {"restore from default.zrv", "click Main.Label2", "click Question.Command6\nclick frmRestore.Command1", "", "forms",
     "Main visible\nQuestion visible\n", "default.zrv", "The file default.zrv"},
};

TEST(UnreadableBank, EveryOperationThatReadsAndWritesStopsAndSaysSo)
{
    // More than one block of questions for every reader, so that a read can
    // fail half way; the default bank too.
    const std::string bank = test::numberedBank(40000);
    for (const Operation& op : kOperations) {
        for (const ReadFault& fault : kFaults) {
            SCOPED_TRACE(std::string(op.name) + ", read " + std::to_string(fault.nth) + " fails");
            Session run(bank, {}, test::Open::Nothing);
            run.folder().write("default.zrv", bank + "40001,Default,a,b,c,d,B,1\r\n");
            run.folder().write("can_be_deleted.zrv", "an older backup\r\n");
            run.start();
            run(op.before);
            FaultyFiles& files = run.faultyFiles();
            files.failRead(op.file, fault.nth, fault.error);
            const std::string said = run(op.steps);
            EXPECT_EQ(said, std::string("msgbox") + (*op.title ? " " : "") + op.title + ": " + op.named +
                                " could not be read (" + fault.reason + "). Nothing was changed.\n");
            EXPECT_EQ(run(op.after), op.shows);
            files.heal();
            const std::string after = run.folder().read("imp.zrv");
            EXPECT_TRUE(after == bank) << "imp.zrv changed: " << after.size() << " bytes, " << bank.size() << " before";
            EXPECT_EQ(run.folder().read("can_be_deleted.zrv"), "an older backup\r\n");
            EXPECT_FALSE(run.folder().exists("old.zrv"));
            EXPECT_FALSE(run.folder().exists("imp.zrv.new"));
            EXPECT_FALSE(run.folder().exists("can_be_deleted.zrv.new"));
        }
    }
}

TEST(UnreadableBank, TheBankCheckAtLoadSaysSoRatherThanNameLevelsAsMissing)
{
    Session run(test::ladderBank(), test::crlf({"opt2", "chk0", "chk2_1"}));
    run.faultyFiles().failRead("imp.zrv", 1);
    EXPECT_EQ(run("click Main.Label1"), "msgbox: The question bank could not be read (the disk reported an error).\n");
    EXPECT_EQ(run.app().find("Game"), nullptr);
}

}  // namespace
}  // namespace zv
