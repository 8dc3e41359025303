// `zarvana check`, `import` and `export`: the command line read, what each
// prints, and its exit status.

#include <gtest/gtest.h>

#include <sstream>

#include "app/command_line.h"
#include "app/set_commands.h"
#include "sets_test_support.h"

namespace zv {
namespace {

using test::crlf;
using test::kHeader;
using test::TestFolder;

CommandLine parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "zarvana");
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    return parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(SetsCommand, TheCommandLineRead)
{
    struct Case {
        std::vector<std::string> args;
        SetCommand command;
        std::string file;
        bool replace;
        int from, to;
        std::string error;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{"check", "set.csv"}, SetCommand::Check, "set.csv", false, 1, 15, ""},
             {{"import", "s.json", "--replace", "--app-dir", "/tmp"}, SetCommand::Import, "s.json", true, 1, 15, ""},
             {{"export", "o.csv", "--levels", "3-7"}, SetCommand::Export, "o.csv", false, 3, 7, ""},
             {{"--levels", "12", "export", "o.csv"}, SetCommand::Export, "o.csv", false, 12, 12, ""},
             {{"export", "o.csv", "--levels", "9-3"}, SetCommand::Export, "o.csv", false, 1, 15, "--levels takes A-B, levels 1 to 15"},
             {{"export", "o.csv", "--levels", "0-16"}, SetCommand::Export, "o.csv", false, 1, 15, "--levels takes A-B, levels 1 to 15"},
             {{"check"}, SetCommand::Check, "", false, 1, 15, "which file?"},
             {{"check", "a.csv", "b.csv"}, SetCommand::Check, "a.csv", false, 1, 15, "one file at a time"},
             {{"import", "a.csv", "--levels", "1-2"}, SetCommand::Import, "a.csv", false, 1, 2, "--levels is for export"},
             {{"export", "a.csv", "--replace"}, SetCommand::Export, "a.csv", true, 1, 15, "--replace is for import"},
             {{"-platform", "offscreen", "check"}, SetCommand::None, "", false, 1, 15, ""},  // Qt's, not ours
             {{"--headless"}, SetCommand::None, "", false, 1, 15, ""},
         }) {
        const CommandLine line = parse(c.args);
        EXPECT_EQ(std::tie(line.command, line.file, line.replace, line.fromLevel, line.toLevel, line.usageError),
                  std::tie(c.command, c.file, c.replace, c.from, c.to, c.error))
            << c.args[0];
    }
    EXPECT_TRUE(parse({"--headless"}).headless);
}

TEST(SetsCommand, WhatEachCommandPrintsAndItsExitStatus)
{
    TestFolder app, files;
    files.write("good.csv", crlf({kHeader, "One,a,b,c,d,A,1", "Two,a,b,c,d,B,2"}));
    files.write("bad.csv", crlf({kHeader, "One,a,b,c,d,E,1", "Two,a,b,c,d,B,16"}));
    const std::string good = files.file("good.csv").string(), bad = files.file("bad.csv").string();
    const std::string appDir = app.path().string(), exported = files.file("out.json").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out, err;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{"check", good}, 0, "", ""},
             {{"check", bad}, 1,
              bad + ":2: answer \"E\" is not A to D nor the text of one option\n" + bad + ":3: level \"16\" is not 1 to 15\n", ""},
             {{"check", "/no/such.zrv"}, 1, "/no/such.zrv: the file could not be read (no such file or directory)\n", ""},
             {{"export", exported, "--app-dir", appDir}, 1, "", "zarvana: Nothing was exported: the bank holds no questions.\n"},
             {{"import", good, "--app-dir", appDir}, 0, "imported 2 questions\n", ""},
             {{"import", good, "--app-dir", appDir}, 1, "",
              good + ":2: a duplicate of a question already in the bank (S. No. 1)\n" + good +
                  ":3: a duplicate of a question already in the bank (S. No. 2)\nzarvana: nothing was imported into " +
                  (app.path() / "imp.zrv").string() + "\n"},
             {{"export", exported, "--levels", "2-15", "--app-dir", appDir}, 0, "exported 1 question\n", ""},
             {{"check", exported}, 0, "", ""},
             {{"export", "x.csv", "--levels", "x"}, 2, "",
              "zarvana: --levels takes A-B, levels 1 to 15\nusage: zarvana check FILE\n"
              "       zarvana import FILE [--replace] [--app-dir DIR]\n"
              "       zarvana export FILE [--levels A-B] [--app-dir DIR]\n"},
         }) {
        std::ostringstream out, err;
        EXPECT_EQ(runSetCommand(parse(c.args), out, err), c.status) << c.args[0];
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
    EXPECT_EQ(app.read("imp.zrv"), crlf({"1,One,a,b,c,d,A,1", "2,Two,a,b,c,d,B,2"}));
}

}  // namespace
}  // namespace zv
