// The record line: splitting, joining, the comma conversion, number fields,
// and the lines the readers skip.

#include <gtest/gtest.h>

#include "bank/record.h"

namespace zv {
namespace {

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

TEST(Record, CommasAreStoredAsSemicolonsAndShownAgain)
{
    EXPECT_EQ(EscapeCommas("Delhi, Mumbai, Chennai"), "Delhi; Mumbai; Chennai");
    EXPECT_EQ(UnescapeCommas("Delhi; Mumbai"), "Delhi, Mumbai");
    // The format cannot carry a semicolon: one typed comes back as a comma.
    EXPECT_EQ(UnescapeCommas(EscapeCommas("a;b")), "a,b");
}

TEST(Record, NumberFieldsAllowBlanksAndDecimalForms)
{
    EXPECT_EQ(numberValue("7"), 7.0);
    EXPECT_EQ(numberValue(" 7"), 7.0);
    EXPECT_EQ(numberValue("7.0 "), 7.0);
    EXPECT_EQ(numberValue("1e1"), 10.0);
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
