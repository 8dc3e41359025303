// The bank files: CR LF written, LF or CR LF read, working copies of a level.

#include <gtest/gtest.h>

#include "bank/level_copy.h"
#include "support/test_folder.h"

namespace zv {
namespace {

using test::crlf;
using test::TestFolder;

std::vector<std::string> linesOf(const std::filesystem::path& file)
{
    std::vector<std::string> out;
    LineReader in(file);
    std::string_view line;
    while (in.next(line)) out.emplace_back(line);
    return out;
}

TEST(BankFiles, ReadsCrLfAndBareLfAndALastLineWithoutLineEnd)
{
    TestFolder dir;
    dir.write("a", "one\r\ntwo\nthree\r\n\r\nlast");
    EXPECT_EQ(linesOf(dir.file("a")), (std::vector<std::string>{"one", "two", "three", "", "last"}));
    dir.write("empty", "");
    EXPECT_TRUE(linesOf(dir.file("empty")).empty());
    EXPECT_TRUE(linesOf(dir.file("missing")).empty());
}

TEST(BankFiles, LongLinesCrossTheReadBuffer)
{
    TestFolder dir;
    const std::string big(200000, 'x');
    dir.write("a", big + "\r\n" + big + "y");
    auto lines = linesOf(dir.file("a"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], big);
    EXPECT_EQ(lines[1], big + "y");
}

TEST(BankFiles, WritesCrLfAndEnsuresWithoutTruncating)
{
    TestFolder dir;
    BankFolder bank(dir.path());
    EXPECT_TRUE(bank.ensureExists("imp.zrv"));
    EXPECT_TRUE(dir.exists("imp.zrv"));
    EXPECT_TRUE(bank.appendLine("imp.zrv", "a"));
    EXPECT_TRUE(bank.appendLine("imp.zrv", "b"));
    EXPECT_TRUE(bank.ensureExists("imp.zrv"));
    EXPECT_EQ(dir.read("imp.zrv"), "a\r\nb\r\n");
    EXPECT_TRUE(bank.empty("imp.zrv"));
    EXPECT_EQ(dir.read("imp.zrv"), "");
    EXPECT_TRUE(bank.remove("imp.zrv"));
    EXPECT_FALSE(bank.remove("imp.zrv"));
}

TEST(BankFiles, CopyLevelMatchesByNumberOrByExactText)
{
    TestFolder dir;
    dir.write("imp.zrv", crlf({test::record(1, "q1", "A", "1"), test::record(2, "q2", "B", " 1"),
                               test::record(3, "q3", "C", "1.0"), test::record(4, "q4", "D", "7")}) +
                             "5,last,a,b,c,d,A,7");
    BankFolder bank(dir.path());
    QuestionRecord rec;
    std::string joined;

    LevelCopy byText = copyLevel(bank, "q2.zrv", 1, LevelMatch::Text, rec, joined);
    EXPECT_EQ(byText.count, 1);
    EXPECT_EQ(dir.read("q2.zrv"), crlf({test::record(1, "q1", "A", "1")}));
    // Every line was split in turn: the record holds the last one.
    EXPECT_EQ(rec[1], "last");

    LevelCopy byNumber = copyLevel(bank, "q2.zrv", 1, LevelMatch::Number, rec, joined);
    EXPECT_EQ(byNumber.count, 3);
    EXPECT_EQ(joined, test::record(3, "q3", "C", "1.0"));
}

TEST(BankFiles, MissingBankIsCreatedEmptyAndUnusableLinesAreSkipped)
{
    TestFolder dir;
    BankFolder bank(dir.path());
    QuestionRecord rec;
    std::string joined;
    LevelCopy none = copyLevel(bank, "q2.zrv", 1, LevelMatch::Text, rec, joined);
    EXPECT_TRUE(none.bankEmpty);
    EXPECT_TRUE(dir.exists("imp.zrv"));

    dir.write("imp.zrv", crlf({"", "1,too,few", test::record(2, "ok", "A", "1"), "3,q,a,b,c,d,A,x"}));
    rec[1] = "before";
    LevelCopy some = copyLevel(bank, "q2.zrv", 1, LevelMatch::Text, rec, joined);
    EXPECT_FALSE(some.bankEmpty);
    EXPECT_EQ(some.count, 1);
    EXPECT_EQ(some.skipped, (std::vector<std::size_t>{2, 4}));  // the blank line is passed over quietly
    EXPECT_EQ(rec[1], "ok");
}

TEST(BankFiles, SkippedLinesAreNamedToThePlayer)
{
    EXPECT_EQ(describeSkippedLines({4}),
              "Some lines of the question bank imp.zrv are not questions and were skipped. Line 4. A question needs "
              "eight fields separated by commas, its level a number from 1 to 15.");
    std::vector<std::size_t> many;
    for (std::size_t i = 1; i <= 12; ++i) many.push_back(i);
    EXPECT_NE(describeSkippedLines(many).find("Lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more."), std::string::npos);
}

}  // namespace
}  // namespace zv
