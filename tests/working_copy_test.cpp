// A question whose working copy cannot be made (a folder the player may not
// write to, a full disk) or read back, or whose bank cannot be read: the
// board says so and shows no question of another level.

#include <gtest/gtest.h>

#include "support/faulty_files.h"
#include "support/test_folder.h"

namespace zv {
namespace {

using test::FaultyFiles;
using test::Session;

// Two questions a level; the last line of the bank is of level 15.
std::string twoALevel()
{
    std::string bank;
    int serial = 0;
    for (int level = 1; level <= 15; ++level)
        for (const char* which : {"first", "second"})
            bank += test::record(++serial, "Level " + std::to_string(level) + " " + which + " question", "B",
                                 std::to_string(level)) + "\r\n";
    return bank;
}

struct Fault {
    const char* what;
    bool readFault;  // a read fails, else a write
    const char* file;
    int nth;
    std::errc error;
    const char* said;  // after "The question could not be prepared: "; FOLDER is the game's folder
};

const Fault kFaults[] = {
    {"a folder the game may not write to", false, "q2.zrv", 0, std::errc::permission_denied,
     "the game cannot write its working file q2.zrv in FOLDER (permission denied)."},
    {"a full disk", false, "q2.zrv", 1, std::errc::no_space_on_device,
     "the game cannot write its working file q2.zrv in FOLDER (the disk is full)."},
    {"a read-only disk", false, "q2.zrv", 0, std::errc::read_only_file_system,
     "the game cannot write its working file q2.zrv in FOLDER (the disk is read-only)."},
    {"a bank that cannot be read", true, "imp.zrv", 1, std::errc::io_error,
     "the question bank imp.zrv could not be read (the disk reported an error)."},
    {"a working copy that cannot be read back", true, "q2.zrv", 1, std::errc::io_error,
     "the game cannot read back its working file q2.zrv in FOLDER (the disk reported an error)."},
};

std::string expected(const Fault& f, Session& run)
{
    std::string said = std::string("msgbox: The question could not be prepared: ") + f.said + "\n";
    const std::string folder = run.folder().path().string();
    if (const auto at = said.find("FOLDER"); at != std::string::npos) said.replace(at, 6, folder);
    return said;
}

void arm(FaultyFiles& files, const Fault& f)
{
    if (f.readFault)
        files.failRead(f.file, f.nth, f.error);
    else
        files.failWrite(f.file, f.nth, f.error);
}

TEST(WorkingCopy, AtStartTheBoardSaysSoAndClosesWithoutAQuestion)
{
    for (const bool earlierCopy : {false, true})
    for (const Fault& f : kFaults) {
        SCOPED_TRACE(std::string(f.what) + (earlierCopy ? ", a copy left from an earlier game" : ""));
        Session run(twoALevel(), test::kFast, test::Open::Nothing);
        // The copy of an earlier game's last draw, of level 15.
        if (earlierCopy) run.folder().write("q2.zrv", test::crlf({test::record(29, "Level 15 first question", "B", "15")}));
        run.startBoard();
        arm(run.faultyFiles(), f);
        const std::string said = run("rng 0.5\nclick Game.lblStart");
        EXPECT_EQ(said, expected(f, run));
        EXPECT_EQ(run.app().find("Game"), nullptr);
        EXPECT_EQ(run.app().find("Message3"), nullptr);
    }
}

TEST(WorkingCopy, LaterTheBoardSaysSoAndThePlayerLeavesWithTheMoneyWon)
{
    for (const Fault& f : kFaults) {
        SCOPED_TRACE(f.what);
        Session run(twoALevel(), test::kFast, test::Open::Board);
        run("rng 0.5\nclick Game.lblStart");
        ASSERT_EQ(run.game().lblQuestion.caption(), "Level 1 second question");
        arm(run.faultyFiles(), f);
        const std::string said = run("rng 0.5\nclick Game.lblB\nclick Game.lblLock");
        EXPECT_EQ(said, expected(f, run));
        Game& g = run.game();
        EXPECT_EQ(g.lblQuestion.caption(), "");
        for (Control* option : g.lblAnswer) EXPECT_EQ(option->caption(), "");
        EXPECT_EQ(g.lblCorrect.caption(), "");
        EXPECT_TRUE(run.m().GameOver);
        EXPECT_EQ(run("get Result.Label1 Caption"), "Result.Label1.Caption = You have won Rs. 1000/-\n");
    }
}

}  // namespace
}  // namespace zv
