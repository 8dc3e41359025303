// Fuzzes the readers and the upkeep of the bank with whatever imp.zrv holds:
// the draw of a level, the list, the count per level, a delete, an add.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>
#include <string>
#include <unistd.h>

#include "bank/level_copy.h"
#include "bank/line_spans.h"
#include "bank/maintenance.h"
#include "fuzz_target.h"

namespace {
const std::filesystem::path& folder()
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("zarvana-fuzz-bank-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}
// The working copy of a level and the skipped lines, read line by line.
std::pair<std::string, std::vector<std::size_t>> readPlainly(const std::filesystem::path& file, int level)
{
    std::pair<std::string, std::vector<std::size_t>> plain;
    zv::LineReader in(file);
    std::string_view line;
    zv::QuestionRecord rec;
    while (in.next(line)) {
        const zv::LineProblem problem = zv::lineProblem(line);
        if (problem != zv::LineProblem::None) {
            if (problem != zv::LineProblem::Blank) plain.second.push_back(in.lineNumber());
            continue;
        }
        zv::SplitRecord(line, rec);
        if (*zv::numberValue(rec[zv::kDifficulty]) == level) plain.first += zv::JoinRecord(rec) + "\r\n";
    }
    return plain;
}

std::string contentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::ofstream(folder() / "imp.zrv", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    zv::BankFolder bank(folder());
    zv::QuestionRecord rec;
    std::string joined;
    const int level = size ? 1 + data[0] % 15 : 1;
    static const std::vector<zv::LineScan> scans = zv::lineScans();
    zv::useLineScan(scans[size ? data[size / 2] % scans.size() : 0]);
    const zv::LevelCopy copy = zv::copyLevel(bank, "q2.zrv", level, zv::LevelMatch::Number, rec, joined);
    if (static_cast<std::size_t>(copy.count) != zv::countLines(bank, "q2.zrv")) std::abort();
    const auto plain = readPlainly(folder() / "imp.zrv", level);
    if (copy.skipped != plain.second || contentOf(folder() / "q2.zrv") != plain.first) std::abort();
    const auto rows = zv::listRows(bank);
    if (rows.empty() || rows[0] != zv::kListHeader) std::abort();
    zv::countPerLevel(bank, rec);
    if (zv::DeleteQuestion(bank, size ? data[size - 1] % 8 : 1)) zv::CommitDelete(bank);
    if (!bank.exists("imp.zrv")) std::abort();
    zv::AddQuestion(bank, "Q, with a comma", {"a", "b", "c", "d"}, "A", "3");
    return 0;
}
