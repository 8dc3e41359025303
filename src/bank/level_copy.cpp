#include "bank/level_copy.h"

#include <algorithm>

namespace zv {

namespace {
bool matches(std::string_view difficulty, int level, LevelMatch match)
{
    if (match == LevelMatch::Text) return difficulty == std::to_string(level);
    auto v = numberValue(difficulty);
    return v && *v == static_cast<double>(level);
}
}  // namespace

LevelCopy copyLevel(const BankFolder& bank, std::string_view copy, int level, LevelMatch match,
                    QuestionRecord& rec, std::string& lastJoined)
{
    LevelCopy result;
    bank.ensureExists(bankfile::kBank);
    result.bankEmpty = bank.isEmpty(bankfile::kBank);
    LineWriter out(bank.file(copy), LineWriter::Mode::Truncate);
    LineReader in(bank.file(bankfile::kBank));
    std::string_view line;
    while (in.next(line)) {
        LineProblem problem = lineProblem(line);
        if (problem != LineProblem::None) {
            if (problem != LineProblem::Blank) result.skipped.push_back(in.lineNumber());
            continue;
        }
        result.lastSplit = SplitRecord(line, rec);
        if (matches(rec[kDifficulty], level, match)) {
            lastJoined = JoinRecord(rec);
            out.write(lastJoined);
            ++result.count;
        }
    }
    result.copyFailed = !out.close();
    return result;
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

std::optional<std::string> readLine(const BankFolder& bank, std::string_view file, std::size_t n)
{
    LineReader in(bank.file(file));
    std::string_view line;
    while (in.next(line))
        if (in.lineNumber() == n) return std::string(line);
    return std::nullopt;
}

std::size_t countLines(const BankFolder& bank, std::string_view file)
{
    LineReader in(bank.file(file));
    std::string_view line;
    while (in.next(line)) {
    }
    return in.lineNumber();
}

}  // namespace zv
