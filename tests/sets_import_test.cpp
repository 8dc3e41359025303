// Question sets into the bank and out of it: the preview, merge numbering,
// the dated backup of a replace, an import that fails at any read or write
// leaving the bank byte for byte, and export then import giving the same
// bank and extras byte for byte.

#include <gtest/gtest.h>

#include <ctime>
#include <map>

#include "support/faulty_files.h"
#include "sets_test_support.h"

namespace zv {
namespace {

using sets::ImportMode;
using test::crlf;
using test::draws;
using test::kHeader;
using test::problemTexts;
using test::TestFolder;

using Texts = std::vector<std::string>;

// A bank with commas stored as ";", quotes, UTF-8 and extras.
const std::string kBank = crlf({"1,Which city; on the Seine?,Paris,Rome,Oslo,Bern,A,3",
                                "2,Say \"hi\" in Hindi?,Namaste,Ciao,Hola,Salut,C,1",
                                "3,Caf\xc3\xa9 or t\xc3\xa9?,Both; of course,Neither,Tea,Coffee,A,15"});
const std::string kExtras = crlf({"question\texplanation\tcategory", "Say \"hi\" in Hindi?\t\tLanguages",
                                  "Which city; on the Seine?\tParis, \"the city of light\"\tPlaces"});

// Every file of a folder with its bytes.
std::map<std::string, std::string> filesOf(const TestFolder& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files[entry.path().filename().string()] = dir.read(entry.path().filename().string());
    return files;
}

sets::ParsedSet readIn(const TestFolder& dir, const std::string& name, const std::string& bytes)
{
    return test::readBytes(dir, name, bytes, draws({}));
}

TEST(SetsImport, ExportThenImportGivesTheSameBankAndExtrasByteForByte)
{
    const std::map<std::string, std::string> exported = {
        {"set.csv", crlf({"question,option_a,option_b,option_c,option_d,answer,level,explanation,category",
                          "\"Which city, on the Seine?\",Paris,Rome,Oslo,Bern,A,3,\"Paris, \"\"the city of light\"\"\",Places",
                          "\"Say \"\"hi\"\" in Hindi?\",Namaste,Ciao,Hola,Salut,C,1,,Languages",
                          "Caf\xc3\xa9 or t\xc3\xa9?,\"Both, of course\",Neither,Tea,Coffee,A,15,,"})},
        {"set.json", "{\"questions\": [\n"
                     "  {\"question\":\"Which city, on the Seine?\",\"options\":[\"Paris\",\"Rome\",\"Oslo\",\"Bern\"],"
                     "\"answer\":\"A\",\"level\":3,\"explanation\":\"Paris, \\\"the city of light\\\"\",\"category\":\"Places\"},\n"
                     "  {\"question\":\"Say \\\"hi\\\" in Hindi?\",\"options\":[\"Namaste\",\"Ciao\",\"Hola\",\"Salut\"],"
                     "\"answer\":\"C\",\"level\":1,\"category\":\"Languages\"},\n"
                     "  {\"question\":\"Caf\xc3\xa9 or t\xc3\xa9?\",\"options\":[\"Both, of course\",\"Neither\",\"Tea\",\"Coffee\"],"
                     "\"answer\":\"A\",\"level\":15}\n"
                     "]}\n"},
    };
    for (const auto& [name, bytes] : exported) {
        TestFolder from, to;
        from.write("imp.zrv", kBank);
        from.write("imp-extras.tsv", kExtras);
        const auto out = sets::exportSet(BankFolder(from.path()), from.file(name));
        EXPECT_TRUE(out.ok) << out.message;
        EXPECT_EQ(out.exported, 3);
        EXPECT_EQ(from.read(name), bytes);
        const auto in = sets::importSet(BankFolder(to.path()), sets::readSet(from.file(name), draws({})), ImportMode::Merge);
        EXPECT_EQ(in.message, "Imported 3 questions.");
        EXPECT_EQ(filesOf(to), (std::map<std::string, std::string>{{"imp.zrv", kBank}, {"imp-extras.tsv", kExtras}}))
            << name;
    }
}

TEST(SetsImport, ExportOfSomeLevelsAndWhatItRefuses)
{
    TestFolder dir;
    dir.write("imp.zrv", kBank);
    const BankFolder bank(dir.path());
    EXPECT_EQ(sets::exportSet(bank, dir.file("low.csv"), 1, 3).exported, 2);
    EXPECT_EQ(sets::readSet(dir.file("low.csv"), draws({})).questions.size(), 2u);
    struct Case {
        std::string name;
        int from, to;
        const char* message;
    };
    test::FaultyFiles faulty;
    for (const Case& c : std::initializer_list<Case>{
             {"none.csv", 4, 14, "Nothing was exported: the bank holds no questions of levels 4 to 14."},
             {"wrong.txt", 1, 15, "Nothing was exported: the game writes question sets as .csv or .json files."},
             {"levels.csv", 0, 16, "Nothing was exported: the levels go from 1 to 15."},
             {"unread.csv", 1, 15, "Nothing was exported: the question bank imp.zrv could not be read (the disk reported an error)."},
             {"full.json", 1, 15, "Nothing was exported: the file full.json could not be written (the disk is full)."},
             {"/no/such/folder/x.csv", 1, 15, "Nothing was exported: the file x.csv could not be written (no such file or directory)."},
         }) {
        faulty.heal();
        if (c.name == "unread.csv") faulty.failRead("imp.zrv", 1);
        faulty.failWrite("full.json.part", 1);
        const auto before = filesOf(dir);
        EXPECT_EQ(sets::exportSet(BankFolder(dir.path(), faulty), dir.path() / c.name, c.from, c.to).message, c.message);
        EXPECT_EQ(filesOf(dir), before) << c.name;
    }
}

TEST(SetsImport, PreviewCountsPerLevelAndFindsWhatIsAlreadyInTheBank)
{
    TestFolder dir;
    dir.write("imp.zrv", kBank);
    const auto set = readIn(dir, "set.csv",
                            crlf({kHeader, "New one,a,b,c,d,A,1", "\"which  city, on the seine?\",a,b,c,d,A,2",
                                  "New two,a,b,c,d,A,15", "New three,a,b,c,d,A,1"}));
    const auto merge = sets::previewImport(BankFolder(dir.path()), set);
    EXPECT_EQ(merge.perLevel, (std::array<int, 15>{2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(problemTexts(merge.problems), Texts{"3: a duplicate of a question already in the bank (S. No. 1)"});
    EXPECT_FALSE(merge.ok());
    EXPECT_TRUE(sets::previewImport(BankFolder(dir.path()), set, ImportMode::Replace).ok());
    const auto refused = sets::importSet(BankFolder(dir.path()), set, ImportMode::Merge);
    EXPECT_EQ(refused.message,
              "Nothing was imported: line 3: a duplicate of a question already in the bank (S. No. 1).");
    EXPECT_EQ(dir.read("imp.zrv"), kBank);
}

TEST(SetsImport, MergeNumbersOnFromTheLastSerialAndKeepsTheBankAsItWas)
{
    struct Case {
        std::string bank;
        int first;  // the number of the first question added
    };
    for (const Case& c : std::initializer_list<Case>{
             {"1,Old,a,b,c,d,A,1\n7,Older,a,b,c,d,A,1", 8},
             {"1,Old,a,b,c,d,A,1\n7,Older,a,b,c,d,A,1\r\nnot a question\r\n", 8},
             {"1,Old,a,b,c,d,A,1\r\nx,Odd,a,b,c,d,A,1\r\n", 3},  // no number: after the last line
             {"", 1},
         }) {
        TestFolder dir, from;
        dir.write("imp.zrv", c.bank);
        const auto set = readIn(from, "set.csv", crlf({kHeader, "\"New, one\",a,b,c,d,b,2", "New two,a,b,c,d,d,4"}));
        const auto outcome = sets::importSet(BankFolder(dir.path()), set, ImportMode::Merge);
        EXPECT_EQ(outcome.message, "Imported 2 questions.");
        const std::string ended = c.bank.empty() || c.bank.ends_with('\n') ? c.bank : c.bank + "\r\n";
        EXPECT_EQ(dir.read("imp.zrv"), ended + crlf({std::to_string(c.first) + ",New; one,a,b,c,d,B,2",
                                                      std::to_string(c.first + 1) + ",New two,a,b,c,d,D,4"}));
        EXPECT_EQ(filesOf(dir).size(), 1u);  // nothing to explain: no extras file, and nothing left over
    }
}

// The dated name of a backup made at `when`, as the player's clock shows it.
std::string stampAt(std::chrono::system_clock::time_point when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "imp-%Y-%m-%d-%H%M%S", std::localtime(&t));
    return stamp;
}

TEST(SetsImport, ReplaceKeepsTheOldBankAndExtrasAsADatedBackup)
{
    TestFolder dir, from;
    dir.write("imp.zrv", kBank);
    dir.write("imp-extras.tsv", kExtras);
    const auto now = std::chrono::system_clock::from_time_t(1796552100);
    const std::string stamp = stampAt(now);
    const auto set = readIn(from, "set.csv", crlf({kHeader, "\"Which city, on the Seine?\",a,b,c,d,A,1"}));
    const auto first = sets::importSet(BankFolder(dir.path()), set, ImportMode::Replace, now);
    EXPECT_EQ(first.message, "Imported 1 question. The old bank is kept as " + stamp + ".zrv.");
    EXPECT_EQ(first.backup, stamp + ".zrv");
    EXPECT_EQ(sets::importSet(BankFolder(dir.path()), set, ImportMode::Replace, now).backup, stamp + "-2.zrv");
    const std::string replaced = crlf({"1,Which city; on the Seine?,a,b,c,d,A,1"});
    EXPECT_EQ(filesOf(dir), (std::map<std::string, std::string>{{"imp.zrv", replaced},
                                                                  {stamp + ".zrv", kBank},
                                                                  {stamp + "-extras.tsv", kExtras},
                                                                  {stamp + "-2.zrv", replaced}}));
}

TEST(SetsImport, AnImportThatFailsAtAnyReadOrWriteLeavesTheBankByteForByte)
{
    const auto now = std::chrono::system_clock::from_time_t(1796552100);
    struct Fault {
        std::string file;
        bool write;
        ImportMode mode;
    };
    const std::string stamp = stampAt(now);
    for (const Fault& f : std::initializer_list<Fault>{
             {"imp.zrv", false, ImportMode::Merge},
             {"imp.zrv", false, ImportMode::Replace},
             {"imp-extras.tsv", false, ImportMode::Merge},
             {"imp-extras.tsv", false, ImportMode::Replace},
             {"imp-importing.zrv", true, ImportMode::Merge},
             {"imp-importing.zrv", true, ImportMode::Replace},
             {"imp-importing-extras.tsv.new", true, ImportMode::Merge},
             {stamp + ".zrv.new", true, ImportMode::Replace},
             {stamp + "-extras.tsv.new", true, ImportMode::Replace},
         }) {
        int failures = 0;
        for (int nth = 0; nth <= 6; ++nth) {
            TestFolder dir;
            dir.write("imp.zrv", kBank);
            dir.write("imp-extras.tsv", kExtras);
            const auto set = readIn(dir, "set.csv", crlf({kHeader + std::string(",explanation"), "New,a,b,c,d,A,1,Why"}));
            const auto before = filesOf(dir);
            test::FaultyFiles faulty;
            if (f.write)
                faulty.failWrite(f.file, nth);
            else
                faulty.failRead(f.file, nth);
            const auto outcome = sets::importSet(BankFolder(dir.path(), faulty), set, f.mode, now);
            if (outcome.ok) continue;  // the file is read or written fewer times than that
            ++failures;
            EXPECT_TRUE(outcome.message.starts_with("Nothing was imported: ")) << outcome.message;
            EXPECT_EQ(filesOf(dir), before) << f.file << " " << nth;
        }
        EXPECT_GT(failures, 1) << f.file;
    }
}

}  // namespace
}  // namespace zv
