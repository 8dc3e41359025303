#include "bank/level_copy.h"

#include "bank/bank_scan.h"

#include <algorithm>

namespace zv {

LevelCopy copyLevel(const BankFolder& bank, std::string_view copy, int level, LevelMatch match,
                    QuestionRecord& rec, std::string& lastJoined)
{
    LevelCopy result;
    bank.ensureExists(bankfile::kBank);
    result.bankEmpty = bank.isEmpty(bankfile::kBank);
    LineWriter out(bank, copy, LineWriter::Mode::Overwrite);
    BlockLines in(bank.files(), bank.file(bankfile::kBank));
    LastRecord last;
    std::string_view lastMatch;
    const std::string levelText = std::to_string(level);
    auto matches = [&](const RecordView& r) {
        return match == LevelMatch::Text ? r.difficulty == levelText : r.level == level;
    };
    in.forEachRecord(
        [&](LineProblem problem, const RecordView& r, std::size_t number) {
            if (problem != LineProblem::None) {
                if (problem != LineProblem::Blank) result.skipped.push_back(number);
                return;
            }
            last.saw(r);
            if (matches(r)) {
                out.write(r.joined);
                lastMatch = r.joined;
                ++result.count;
            }
        },
        [&] {
            last.keep();
            if (!lastMatch.empty()) {
                lastJoined.assign(lastMatch);
                lastMatch = {};
            }
        });
    if (!lastMatch.empty()) lastJoined.assign(lastMatch);
    last.applyTo(rec);
    result.lastSplit = last.lastSplit();
    result.readError = in.error();
    if (!out.close()) result.copyError = out.error();
    return result;
}

LevelTally tallyLevels(const BankFolder& bank, std::string_view copy, QuestionRecord& rec, std::string& lastJoined)
{
    LevelTally tally;
    bank.ensureExists(bankfile::kBank);
    LineWriter out(bank, copy, LineWriter::Mode::Overwrite);
    BlockLines in(bank.files(), bank.file(bankfile::kBank));
    LastRecord last;
    std::array<std::string, 16> lastOfLevel;
    std::array<std::string_view, 16> pending{};
    in.forEachRecord(
        [&](LineProblem problem, const RecordView& r, std::size_t number) {
            if (problem != LineProblem::None) {
                if (problem != LineProblem::Blank) tally.skipped.push_back(number);
                return;
            }
            last.saw(r);
            if (r.level == 0) return;
            ++tally.count[static_cast<std::size_t>(r.level - 1)];
            pending[static_cast<std::size_t>(r.level)] = r.joined;
            if (r.level == 15) out.write(r.joined);
        },
        [&] {
            last.keep();
            for (std::size_t l = 1; l <= 15; ++l)
                if (!pending[l].empty()) {
                    lastOfLevel[l].assign(pending[l]);
                    pending[l] = {};
                }
        });
    for (std::size_t l = 1; l <= 15; ++l)
        if (!pending[l].empty()) lastOfLevel[l].assign(pending[l]);
    for (std::size_t l = 15; l >= 1; --l)
        if (tally.count[l - 1] > 0) {
            lastJoined = lastOfLevel[l];
            break;
        }
    last.applyTo(rec);
    tally.readError = in.error();
    if (!out.close()) tally.copyError = out.error();
    return tally;
}

std::string describeSkippedLines(const std::vector<std::size_t>& lines)
{
    std::string text = "Some lines of the question bank imp.zrv are not questions and were skipped. Line";
    text += lines.size() == 1 ? " " : "s ";
    const std::size_t shown = std::min<std::size_t>(lines.size(), 10);
    for (std::size_t i = 0; i < shown; ++i) {
        if (i) text += ", ";
        text += std::to_string(lines[i]);
    }
    if (shown < lines.size()) text += " and " + std::to_string(lines.size() - shown) + " more";
    text += ". A question needs eight fields separated by commas, its level a number from 1 to 15.";
    return text;
}

std::optional<std::string> readLine(const BankFolder& bank, std::string_view file, std::size_t n,
                                    std::error_code* error)
{
    LineReader in(bank, file);
    std::string_view line;
    while (in.next(line))
        if (in.lineNumber() == n) return std::string(line);
    if (error) *error = in.error();
    return std::nullopt;
}

std::vector<std::string> readLines(const BankFolder& bank, std::string_view file, std::error_code* error)
{
    std::vector<std::string> lines;
    LineReader in(bank, file);
    std::string_view line;
    while (in.next(line)) lines.emplace_back(line);
    if (error) *error = in.error();
    return lines;
}

std::size_t countLines(const BankFolder& bank, std::string_view file)
{
    LineReader in(bank, file);
    std::string_view line;
    while (in.next(line)) {
    }
    return in.lineNumber();
}

}  // namespace zv
