// The question bank the game ships: every line a well-formed question,
// numbered 1 to 1500, 100 questions a level with 25 right answers on each
// letter, no question or option repeated, texts that fit the board; and
// every question explained in one line, with a category.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "bank/bank_folder.h"
#include "bank/question_extras.h"
#include "bank/record.h"
#include "support/test_folder.h"
#include "toolkit/text_encoding.h"

namespace zv {
namespace {

const std::filesystem::path kData = ZARVANA_DATA_DIR;

// Characters, not bytes: the texts are UTF-8.
std::size_t characters(const std::string& s)
{
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string folded(std::string s)
{
    std::string out;
    for (char c : s)
        if (std::isalnum(static_cast<unsigned char>(c))) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TEST(ShippedBank, EveryLineIsAWellFormedQuestion)
{
    const std::string bytes = test::readFile(kData / "default.zrv");
    ASSERT_FALSE(bytes.empty());
    ASSERT_TRUE(isValidUtf8(bytes));
    // CR LF after every line, the last one included, and no bare LF.
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
        ASSERT_EQ(bytes[i - 1], '\r') << "at byte " << i;

    LineReader in(kData / "default.zrv");
    std::string_view line;
    std::array<int, 15> perLevel{};
    std::array<std::map<char, int>, 15> lettersPerLevel;
    std::set<std::string> questions;
    int n = 0;
    while (in.next(line)) {
        ++n;
        SCOPED_TRACE("line " + std::to_string(n) + ": " + std::string(line));
        ASSERT_EQ(std::count(line.begin(), line.end(), ','), 7);
        ASSERT_EQ(lineProblem(line), LineProblem::None);
        QuestionRecord rec;
        SplitRecord(line, rec);
        EXPECT_EQ(rec[kSerial], std::to_string(n));
        ASSERT_EQ(rec[kAnswer].size(), 1u);
        const char answer = rec[kAnswer][0];
        ASSERT_TRUE(answer >= 'A' && answer <= 'D');
        int level = 0;
        for (int l = 1; l <= 15; ++l)
            if (rec[kDifficulty] == std::to_string(l)) level = l;
        ASSERT_NE(level, 0) << "difficulty must be written 1 to 15";
        ++perLevel[static_cast<std::size_t>(level - 1)];
        ++lettersPerLevel[static_cast<std::size_t>(level - 1)][answer];

        const std::string question = UnescapeCommas(rec[kQuestion]);
        EXPECT_LE(characters(question), 160u);
        EXPECT_EQ(question.find_first_of("\t"), std::string::npos);
        EXPECT_TRUE(questions.insert(folded(question)).second) << "repeated question";
        std::set<std::string> options;
        for (int i = kOptionA; i <= kOptionD; ++i) {
            const std::string option = UnescapeCommas(rec[static_cast<std::size_t>(i)]);
            EXPECT_FALSE(option.empty());
            EXPECT_LE(characters(option), 40u) << option;
            EXPECT_TRUE(options.insert(folded(option)).second) << "repeated option " << option;
        }
    }
    EXPECT_EQ(n, 1500);
    for (int level = 1; level <= 15; ++level) {
        EXPECT_EQ(perLevel[static_cast<std::size_t>(level - 1)], 100) << "level " << level;
        for (char letter : {'A', 'B', 'C', 'D'})
            EXPECT_EQ(lettersPerLevel[static_cast<std::size_t>(level - 1)][letter], 25) << "level " << level << " " << letter;
    }
}

TEST(ShippedBank, EveryQuestionIsExplainedAndEveryLevelHasEveryCategory)
{
    const std::set<std::string> kCategories = {"Science", "History", "Geography", "Language",
                                               "Arts",    "Sport",   "Nature",    "Everyday life"};
    const BankFolder data(kData);
    const QuestionExtras extras = QuestionExtras::read(data, "default.zrv");
    LineReader in(kData / "default.zrv");
    std::string_view line;
    std::array<std::map<std::string, int>, 15> categoriesPerLevel;
    while (in.next(line)) {
        SCOPED_TRACE(std::string(line));
        QuestionRecord rec;
        SplitRecord(line, rec);
        const QuestionExtra* extra = extras.find(rec[kQuestion]);
        ASSERT_NE(extra, nullptr) << "no explanation";
        EXPECT_FALSE(extra->explanation.empty());
        EXPECT_LE(characters(extra->explanation), 200u);
        EXPECT_TRUE(kCategories.count(extra->category)) << extra->category;
        ++categoriesPerLevel[static_cast<std::size_t>(std::stoi(rec[kDifficulty]) - 1)][extra->category];
    }
    for (int level = 1; level <= 15; ++level)
        for (const std::string& category : kCategories)
            EXPECT_GE(categoriesPerLevel[static_cast<std::size_t>(level - 1)][category], 6)
                << "level " << level << " " << category;
}

TEST(ShippedBank, TheInstalledBankHoldsTheSameQuestions)
{
    EXPECT_EQ(test::readFile(kData / "imp.zrv"), test::readFile(kData / "default.zrv"));
    EXPECT_EQ(test::readFile(kData / "imp-extras.tsv"), test::readFile(kData / "default-extras.tsv"));
}

}  // namespace
}  // namespace zv
