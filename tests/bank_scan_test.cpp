// The one-pass readers of the bank against the plain way of reading it:
// line by line, every line checked and split, the level compared as a
// number or as exact text. Banks of every kind of line, several blocks long, so that lines,
// line ends and too-long lines fall across the edges of the blocks.

#include <gtest/gtest.h>

#include <random>

#include "bank/block_reader.h"
#include "bank/level_copy.h"
#include "bank/line_spans.h"
#include "support/test_folder.h"

namespace zv {
namespace {

using test::TestFolder;

// The level's records, matched by the number of their difficulty or by its
// exact text.
struct Matched {
    std::string copy;  // the working copy of the level
    int count = 0;
    std::string lastJoined;
};

struct Plain {
    Matched byNumber, byText;
    std::array<int, 15> perLevel{};
    std::vector<std::size_t> skipped;
    QuestionRecord rec;
    int lastSplit = 0;
};

Plain readPlainly(const std::filesystem::path& bank, int level)
{
    Plain p;
    LineReader in(bank);
    std::string_view line;
    while (in.next(line)) {
        const LineProblem problem = lineProblem(line);
        if (problem != LineProblem::None) {
            if (problem != LineProblem::Blank) p.skipped.push_back(in.lineNumber());
            continue;
        }
        p.lastSplit = SplitRecord(line, p.rec);
        const double value = *numberValue(p.rec[kDifficulty]);
        if (value >= 1 && value <= 15 && value == static_cast<int>(value)) ++p.perLevel[static_cast<std::size_t>(value) - 1];
        const bool text = p.rec[kDifficulty] == std::to_string(level);
        for (Matched* m : {value == level ? &p.byNumber : nullptr, text ? &p.byText : nullptr}) {
            if (!m) continue;
            m->lastJoined = JoinRecord(p.rec);
            m->copy += m->lastJoined + "\r\n";
            ++m->count;
        }
    }
    return p;
}

// Lines of every kind the readers must tell apart, with CR LF, LF and no end.
std::string randomBank(std::mt19937& rnd, std::size_t bytes)
{
    auto pick = [&](int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); };
    auto text = [&](int most) {
        std::string t(static_cast<std::size_t>(pick(most)), 'a');
        for (char& c : t) c = " aZ;?,\r\t9"[pick(9)];
        return t;
    };
    const char* difficulties[] = {"7", "12", " 7", "07", "7.0", "x", "", "16", "1e1", "15", "3 ", "-2"};
    std::string bank = pick(4) == 0 ? "\xEF\xBB\xBF" : "";
    while (bank.size() < bytes) {
        std::string line;
        switch (pick(12)) {
        case 0: line = text(40); break;                                          // anything
        case 1: line = std::string(static_cast<std::size_t>(pick(3)), ' '); break;  // blank
        case 2: line = std::string(kLongestLine + static_cast<std::size_t>(pick(3)), pick(2) ? ' ' : ','); break;
        case 3: line = "1,q,a,b,c,d,A," + std::to_string(1 + pick(15)) + "," + text(20); break;  // 9 to 11 fields
        case 4: line = "1,q,a,b,c,d,A," + std::string(difficulties[pick(12)]); break;
        case 5: line = std::string(kLongestLine - 20, 'q') + ",a,b,c,d,A," + std::to_string(1 + pick(15)); break;
        default:
            line = std::to_string(pick(1000)) + "," + text(200) + ",a,b,c,d," + "ABCD"[pick(4)] + "," +
                   std::to_string(1 + pick(15));
        }
        bank += line;
        bank += pick(3) == 0 ? "\n" : "\r\n";
    }
    if (pick(2)) bank.resize(bank.size() - 1);  // the last line without its line feed, or a lone CR
    return bank;
}

void expectSameAsPlain(const TestFolder& dir, int level)
{
    BankFolder bank(dir.path());
    const Plain plain = readPlainly(dir.file("imp.zrv"), level);

    for (const LevelMatch match : {LevelMatch::Number, LevelMatch::Text}) {
        const Matched& want = match == LevelMatch::Number ? plain.byNumber : plain.byText;
        QuestionRecord rec;
        std::string joined;
        const LevelCopy copy = copyLevel(bank, "q2.zrv", level, match, rec, joined);
        EXPECT_EQ(copy.count, want.count);
        EXPECT_EQ(copy.skipped, plain.skipped);
        EXPECT_EQ(copy.lastSplit, plain.lastSplit);
        EXPECT_EQ(rec, plain.rec);
        EXPECT_EQ(joined, want.lastJoined);
        EXPECT_TRUE(dir.read("q2.zrv") == want.copy) << "the working copy of level " << level;
    }

    QuestionRecord tallyRec;
    std::string tallyJoined;
    const LevelTally tally = tallyLevels(bank, "temp.zrv", tallyRec, tallyJoined);
    EXPECT_EQ(tally.count, plain.perLevel);
    EXPECT_EQ(tally.skipped, plain.skipped);
    EXPECT_EQ(tallyRec, plain.rec);
}

// Every version of the scan the processor can run.
class BankScan : public ::testing::TestWithParam<LineScan> {
protected:
    void SetUp() override { useLineScan(GetParam()); }
    void TearDown() override { useLineScan(lineScans().front()); }
};
INSTANTIATE_TEST_SUITE_P(EachScan, BankScan, ::testing::ValuesIn(lineScans()),
                         [](const auto& scan) {
                             return scan.param == LineScan::Avx512 ? "avx512"
                                    : scan.param == LineScan::Avx2 ? "avx2" : "plain";
                         });

TEST_P(BankScan, RandomBanksReadAsLineByLine)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rnd(seed);
        TestFolder dir;
        // Small banks, one block, and banks of a few blocks (read ahead).
        const std::size_t bytes = seed <= 3 ? 3000 * seed : BlockReader::kBlockSize * (seed - 2) + 777 * seed;
        dir.write("imp.zrv", randomBank(rnd, bytes));
        dir.write("q2.zrv", std::string(5000, 'z'));  // an older, longer working copy is cut
        expectSameAsPlain(dir, 1 + static_cast<int>(seed % 15));
    }
}

TEST_P(BankScan, LinesAcrossTheEdgeOfABlock)
{
    const std::size_t edge = BlockReader::kBlockSize;
    const std::string record = "1,q,a,b,c,d,A,7";
    auto bankWith = [&](const std::string& across, std::size_t before) {
        // Records, then `across` starting `before` bytes ahead of the edge.
        std::string bank;
        while (bank.size() + record.size() + 3 <= edge - before) bank += record + "\r\n";
        bank += std::string(edge - before - bank.size() - 1, ' ') + "\n";
        return bank + across + "\r\n" + record + "\n";
    };
    const std::string tooLong = "2," + std::string(3 * kLongestLine, 'q') + ",a,b,c,d,A,7";
    const std::string longBlank(3 * kLongestLine, ' ');
    for (const auto& [across, before] : std::vector<std::pair<std::string, std::size_t>>{
             {record, 5},                  // the difficulty in the next block
             {record, record.size() + 1},  // the CR is the last byte of the block
             {record, record.size()},      // the CR is the first byte of the next
             {tooLong, 2 * kLongestLine},  // too long: named, and not kept in memory
             {longBlank, 2 * kLongestLine},  // all blanks: passed over quietly
             {longBlank, longBlank.size() + 1},      // its CR the last byte of the block
             {longBlank + "x", longBlank.size() + 1},  // blanks but for the block's last byte
             {"3,q,a,b,c,d,A,7,extra,more", 12},
         }) {
        TestFolder dir;
        dir.write("imp.zrv", bankWith(across, before) + std::string(edge, '\n') + tooLong);
        expectSameAsPlain(dir, 7);
    }
}

}  // namespace
}  // namespace zv
