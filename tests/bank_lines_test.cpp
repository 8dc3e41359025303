// The bank's lines: CR LF written, LF or CR LF read; a record line split
// and joined, its number fields, and the lines the readers skip. (The
// working copies of a level: bank_scan_test.cpp.) (Commas stored as semicolons: the editor's and the
// board's tests, editor_add.script.)

#include <gtest/gtest.h>

#include "bank/level_copy.h"
#include "bank/record.h"
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

TEST(BankFiles, MoreThanTenSkippedLinesAreNamedTenAndACount)
{
    // One skipped line or two, named in full: game_start_test.cpp, odd_files_test.cpp.
    std::vector<std::size_t> many;
    for (std::size_t i = 1; i <= 12; ++i) many.push_back(i);
    EXPECT_NE(describeSkippedLines(many).find("Lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more."), std::string::npos);
}

TEST(Record, SplitAndJoinGiveTheSameLineByteForByte)
{
    for (std::string line : {"12,What is 2 + 2?,3,4,5,6,B,1", "7,Caf\xc3\xa9 au lait;  s'il vous pla\xc3\xaet,a,b,c,d,A,15",
                             "3,Pound \xa3 and \x93quotes\x94,a,b,,d,D,2"}) {
        QuestionRecord rec;
        EXPECT_EQ(SplitRecord(line, rec), 7);
        EXPECT_EQ(JoinRecord(rec), line);
    }
}

TEST(Record, EmptyFieldsAreKeptAndHigherSlotsKeepOldValues)
{
    QuestionRecord rec;
    rec[8] = "old";
    EXPECT_EQ(SplitRecord("1,,A,,C,D,B,4", rec), 7);
    EXPECT_EQ(rec[1], "");
    EXPECT_EQ(rec[3], "");
    EXPECT_EQ(rec[8], "old");
    // A shorter line leaves the slots it does not reach as they were.
    EXPECT_EQ(SplitRecord("x,y", rec), 1);
    EXPECT_EQ(rec[1], "y");
    EXPECT_EQ(rec[6], "B");
}

TEST(Record, TooManyCommasNeverWritePastTheLastSlot)
{
    QuestionRecord rec;
    EXPECT_EQ(SplitRecord("0,1,2,3,4,5,6,7,8,9,10,11,12", rec), 10);
    EXPECT_EQ(rec[10], "10,11,12");
}

TEST(Record, NumberFieldsAllowBlanksAndDecimalForms)
{
    for (auto [text, value] : {std::pair{"7", 7.0}, {" 7", 7.0}, {"7.0 ", 7.0}, {"1e1", 10.0}})
        EXPECT_EQ(numberValue(text), value) << text;
    for (const char* bad : {"", "  ", "seven", "7a", "inf", "nan", "0x7", "+", "."})
        EXPECT_FALSE(numberValue(bad)) << bad;
}

TEST(Record, LinesTheReadersSkip)
{
    EXPECT_EQ(lineProblem("1,q,a,b,c,d,A,3"), LineProblem::None);
    EXPECT_EQ(lineProblem("1,q,a,b,c,d,A, 3.0,extra,more,last"), LineProblem::None);
    EXPECT_EQ(lineProblem(""), LineProblem::Blank);
    EXPECT_EQ(lineProblem("   "), LineProblem::Blank);
    EXPECT_EQ(lineProblem("1,q,a,b,c,d,A"), LineProblem::TooFewFields);
    EXPECT_EQ(lineProblem("1,q,a,b,c,d,A,3,4,5,6,7"), LineProblem::TooManyFields);
    EXPECT_EQ(lineProblem("1,q,a,b,c,d,A,three"), LineProblem::BadDifficulty);
    EXPECT_EQ(lineProblem("1,q,a,b,c,d,A,"), LineProblem::BadDifficulty);
    // An unescaped comma in a question moves the answer into the level field.
    EXPECT_EQ(lineProblem("1,Delhi, or Agra?,a,b,c,d,A,3"), LineProblem::BadDifficulty);
}

}  // namespace
}  // namespace zv
