// Reading question sets: CSV as spreadsheets write it, JSON in our form and
// in the common trivia-database form, another bank; and every hostile file
// refused with its reason before anything is taken from it.

#include <gtest/gtest.h>

#include "sets/html_entities.h"
#include "sets_test_support.h"

namespace zv {
namespace {

using sets::SetQuestion;
using test::crlf;
using test::draws;
using test::kHeader;
using test::problemTexts;
using test::readBytes;
using test::TestFolder;

using Texts = std::vector<std::string>;

TEST(SetsRead, CsvQuotingColumnsByNameAndEncodings)
{
    const SetQuestion expected{"Which city, on the \"Seine\"?", {"Paris", "Rome", "Caf\xc3\xa9", "Bern"}, 'A', 3,
                               "Two\nlines", "Places", 2};
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::string row = "\"Which city, on the \"\"Seine\"\"?\",Paris,Rome,Caf\xc3\xa9,Bern,A,3,\"Two\nlines\",Places";
    const std::string header = std::string(kHeader) + ",explanation,category";
    for (const Case& c : std::initializer_list<Case>{
             {"CR LF", crlf({header, row})},
             {"LF, a byte-order mark, blank rows", "\xEF\xBB\xBF" + header + "\n" + row + "\n,,,\n\n"},
             {"no last line end", header + "\r\n" + row},
             {"the answer as its text, columns in another order, one of the player's own",
              "Level,category,Notes,question,option_a,option_b,option_c,option_d,answer,explanation\r\n"
              "3,Places,mine,\"Which city, on the \"\"Seine\"\"?\",Paris,Rome,Caf\xc3\xa9,Bern, paris ,\"Two\nlines\"\r\n"},
             {"Windows-1252", crlf({header, "\"Which city, on the \"\"Seine\"\"?\",Paris,Rome,Caf\xe9,Bern,A,3,\"Two\nlines\",Places"})},
         }) {
        TestFolder dir;
        const auto set = readBytes(dir, "set.csv", c.bytes);
        ASSERT_EQ(problemTexts(set.problems), Texts{}) << c.what;
        ASSERT_EQ(set.questions.size(), 1u) << c.what;
        const SetQuestion& q = set.questions[0];
        EXPECT_EQ(std::tie(q.question, q.options, q.answer, q.level, q.explanation, q.category, q.where),
                  std::tie(expected.question, expected.options, expected.answer, expected.level, expected.explanation,
                           expected.category, expected.where))
            << c.what;
    }
}

TEST(SetsRead, EveryProblemOfACsvSetWithItsLine)
{
    TestFolder dir;
    const std::string longQuestion(161, 'q');
    const auto set = readBytes(dir, "set.csv",
                               crlf({kHeader, "Fine,a,b,c,d,B,2", "Sixteen,a,b,c,d,A,16", "Answer E,a,b,c,d,E,1",
                                     "\"Two\nlines\",a,b,c,d,A,x", longQuestion + ",a," + std::string(41, 'o') + ",c,d,A,1",
                                     "Semi;colon,a,b,c,d,A,1", "Short,a,b,,d", "Too many,a,b,c,d,A,1,x", ",,,,,,"}));
    EXPECT_EQ(set.questions.size(), 1u);
    EXPECT_EQ(problemTexts(set.problems),
              (Texts{"3: level \"16\" is not 1 to 15", "4: answer \"E\" is not A to D nor the text of one option",
                     "5: level \"x\" is not 1 to 15",
                     "5: a line break or tab in the question: the bank keeps a question on one line",
                     "7: the question is longer than the board shows (161 characters, at most 160)",
                     "7: option B is longer than the board shows (41 characters, at most 40)",
                     "8: a \";\" in the question: the bank keeps commas as \";\" and cannot hold one",
                     "9: missing field \"option_c\"", "9: missing field \"answer\"", "9: missing field \"level\"",
                     "10: 8 fields where the header names 7"}));
}

TEST(SetsRead, HostileFilesAreRefusedWithTheirReason)
{
    const std::string fifty(50 << 20, 'x');
    const char* tooLong = "line 1 holds a text of more than 16 KiB, far beyond what the board shows; the rest of the "
                          "file was not read";
    struct Case {
        const char* name;
        std::string bytes;
        Texts problems;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"set.csv", "", {"the file is empty"}},
             {"set.csv", "\xEF\xBB\xBF\r\n", {"the file is empty"}},
             {"set.json", " \n", {"the file is empty"}},
             {"set.csv", crlf({kHeader}), {"the file holds no questions"}},
             {"set.csv", std::string(kHeader) + "\nQ,a" + std::string(1, '\0') + "b,c,d,A,1\n",
              {"2: not a question set: a binary file (a control byte on line 2)"}},
             {"set.json", std::string("PK\x03\x04\0\0", 6), {"not a question set: a binary file (a control byte on line 1)"}},
             {"set.csv", std::string(kHeader) + "\n\"Open,a,b,c,d,A,1\nQ,a,b,c,d,A,1\n", {"2: a field opens a quote on line 2 that is never closed"}},
             {"set.csv", std::string(kHeader) + "\nSay \"hi\",a,b,c,d,A,1\n", {"2: a quote inside a field that is not in quotes (put the field in quotes and double its quotes)"}},
             {"set.csv", std::string(kHeader) + "\n\"Q\"x,a,b,c,d,A,1\n", {"2: text after the closing quote of a field"}},
             {"set.csv", "question,option_a,option_b,option_c,option_d,answer\nQ,a,b,c,d,A\n", {"1: the header has no column \"level\""}},
             {"set.csv", "Q,a,b,c,d,A,1\n", {"1: the first line is not a header: it names the columns question, option_a, option_b, option_c, option_d, answer, level (and explanation, category)"}},
             {"set.csv", fifty, {std::string("1: ") + tooLong}},
             {"set.json", "{\"questions\": [\"" + std::string(1 << 20, 'x') + "\"]}", {tooLong}},
             {"set.json", "{\"questions\": " + std::string(100, '[') + "]}", {"the file nests lists deeper than any question set"}},
             {"set.json", "{\"questions\": [}", {"not valid JSON: parse error at line 1, column 16: syntax error while parsing value - unexpected '}'; expected '[', '{', or a literal"}},
             {"set.json", "[{\"question\": \"Q\"}]", {"no list of questions: the file holds {\"questions\": [...]} or {\"results\": [...]}"}},
             {"set.txt", "Q", {"not a question set: the game reads .csv, .json and .zrv files"}},
         }) {
        TestFolder dir;
        const auto set = readBytes(dir, c.name, c.bytes);
        EXPECT_EQ(problemTexts(set.problems), c.problems) << c.bytes.substr(0, 60);
        EXPECT_TRUE(set.questions.empty());
    }
    EXPECT_EQ(problemTexts(sets::readSet("/no/such/set.csv", draws({})).problems),
              Texts{"the file could not be read (no such file or directory)"});
}

TEST(SetsRead, JsonInOurFormWithItsProblemsByItem)
{
    TestFolder dir;
    const auto set = readBytes(dir, "set.json", R"({"title": "mine", "questions": [
        {"question": "Q, one", "options": ["a", "b", "c", "d"], "answer": "C", "level": 4,
         "explanation": "Why", "category": "Cat"},
        {"question": "Q two", "options": ["a", "b", "c", "d"], "answer": "d", "level": "15"},
        "text",
        {"question": "Q four", "options": ["a", "b", "c"], "answer": "A", "level": true},
        {"options": ["a", "b", "c", "d"], "answer": "F", "level": 0}
    ]})");
    ASSERT_EQ(set.questions.size(), 2u);
    EXPECT_EQ(set.questions[0].question, "Q, one");
    EXPECT_EQ(set.questions[0].answer, 'C');
    EXPECT_EQ(set.questions[0].level, 4);
    EXPECT_EQ(set.questions[0].explanation + set.questions[0].category, "WhyCat");
    EXPECT_EQ(set.questions[1].answer, 'D');
    EXPECT_EQ(set.questions[1].level, 15);
    EXPECT_EQ(problemTexts(set.problems),
              (Texts{"3: not an object with a question", "4: the field \"options\" is not a list of four texts",
                     "4: the field \"level\" is not a text or a number", "5: missing field \"question\"",
                     "5: answer \"F\" is not A to D nor the text of one option", "5: level \"0\" is not 1 to 15"}));
}

TEST(SetsRead, TriviaFormDecodedAnswersAtRandomLettersLevelsDealtTrueFalseSkipped)
{
    auto item = [](const char* type, const char* difficulty, const char* question) {
        return std::string(R"({"type": ")") + type + R"(", "difficulty": ")" + difficulty +
               R"(", "category": "Art &amp; Music", "question": ")" + question +
               R"(", "correct_answer": "Right", "incorrect_answers": ["W1", "W2", "W3"]})";
    };
    TestFolder dir;
    const auto set = readBytes(dir, "set.json",
                               "{\"response_code\": 0, \"results\": [" + item("multiple", "easy", "&quot;E1&quot; &#039;x&#039;") + "," +
                                   item("boolean", "easy", "True?") + "," + item("multiple", "easy", "E2") + "," +
                                   item("multiple", "hard", "H1") + "," + item("multiple", "medium", "M1") + "," +
                                   item("multiple", "extreme", "X1") + "]}",
                               draws({0.0, 0.3, 0.6, 0.99, 0.5}));
    EXPECT_EQ(set.skipped, 1);
    EXPECT_EQ(problemTexts(set.problems), Texts{"6: difficulty \"extreme\" is not easy, medium or hard"});
    struct Expected {
        const char* question;
        char answer;
        int level;
    };
    const std::vector<Expected> expected = {{"\"E1\" 'x'", 'A', 1}, {"E2", 'B', 2}, {"H1", 'C', 11}, {"M1", 'D', 6}};
    ASSERT_EQ(set.questions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SetQuestion& q = set.questions[i];
        EXPECT_EQ(q.question, expected[i].question);
        EXPECT_EQ(q.answer, expected[i].answer);
        EXPECT_EQ(q.options[static_cast<std::size_t>(q.answer - 'A')], "Right");
        EXPECT_EQ(q.level, expected[i].level);
        EXPECT_EQ(q.category, "Art & Music");
    }
    EXPECT_EQ(set.questions[1].options, (std::array<std::string, 4>{"W1", "Right", "W2", "W3"}));
}

TEST(SetsRead, HtmlReferences)
{
    const std::pair<const char*, const char*> cases[] = {
        {"&quot;Q&quot; &amp; &#039;A&#039; &lt;b&gt;", "\"Q\" & 'A' <b>"},
        {"Pok&eacute;mon &Eacute;cole &uuml; &szlig; &nbsp;", "Pok\xc3\xa9mon \xc3\x89" "cole \xc3\xbc \xc3\x9f \xc2\xa0"},
        {"&pi; &Omega; &hellip; &rsquo; &#x263A; &#8364;", "\xcf\x80 \xce\xa9 \xe2\x80\xa6 \xe2\x80\x99 \xe2\x98\xba \xe2\x82\xac"},
        {"AT&T &nosuch; &#0; &#xD800; & ;", "AT&T &nosuch; &#0; &#xD800; & ;"},
    };
    for (const auto& [text, decoded] : cases) EXPECT_EQ(sets::decodeEntities(text), decoded) << text;
}

TEST(SetsRead, AnotherBankWithItsExtrasAndEveryLineItCannotUse)
{
    TestFolder dir;
    dir.write("other.zrv", crlf({"1,Delhi; Mumbai?,a,b,c,d,B,2", "2,broken line", "", "3,Caf\xe9?,a,b,c,d,E,16",
                                  "4," + std::string(161, 'q') + ",a,b,c,d,A,1", "5,Q5,a,b,c,d,a,x"}));
    dir.write("other-extras.tsv", crlf({"question\texplanation\tcategory", "Delhi; Mumbai?\tBoth cities\tIndia"}));
    const auto set = sets::readSet(dir.file("other.zrv"), draws({}));
    ASSERT_EQ(set.questions.size(), 1u);
    EXPECT_EQ(set.questions[0].question, "Delhi, Mumbai?");
    EXPECT_EQ(set.questions[0].explanation + "/" + set.questions[0].category, "Both cities/India");
    EXPECT_EQ(problemTexts(set.problems),
              (Texts{"2: not a question: fewer than eight fields", "4: answer \"E\" is not A to D",
                     "4: level \"16\" is not 1 to 15",
                     "5: the question is longer than the board shows (161 characters, at most 160)",
                     "6: not a question: the level is not a number"}));
}

TEST(SetsRead, CheckFindsTheSameQuestionTwice)
{
    TestFolder dir;
    dir.write("set.csv", crlf({kHeader, "Capital of  France?,a,b,c,d,A,1", "Fine,a,b,c,d,A,1", "capital of France? ,a,b,c,d,A,2"}));
    EXPECT_EQ(problemTexts(sets::checkSet(dir.file("set.csv"))), Texts{"4: a duplicate of the question on line 2"});
    dir.write("set.json", R"({"questions": [{"question": "Q", "options": ["a","b","c","d"], "answer": "A", "level": 1},
                                           {"question": "Q", "options": ["a","b","c","d"], "answer": "A", "level": 1}]})");
    EXPECT_EQ(problemTexts(sets::checkSet(dir.file("set.json"))), Texts{"2: a duplicate of item 1"});
}

}  // namespace
}  // namespace zv
