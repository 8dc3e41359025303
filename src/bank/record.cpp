#include "bank/record.h"

#include <algorithm>
#include <cstdlib>

namespace zv {

int SplitRecord(std::string_view line, QuestionRecord& rec)
{
    int k = 0;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos || k == static_cast<int>(rec.size()) - 1) break;
        rec[static_cast<std::size_t>(k)].assign(line.substr(start, comma - start));
        start = comma + 1;
        ++k;
    }
    rec[static_cast<std::size_t>(k)].assign(line.substr(start));
    return k;
}

std::string JoinRecord(const QuestionRecord& rec)
{
    std::string line;
    std::size_t size = 7;
    for (int i = 0; i <= kDifficulty; ++i) size += rec[static_cast<std::size_t>(i)].size();
    line.reserve(size);
    for (int i = 0; i <= kDifficulty; ++i) {
        if (i) line += ',';
        line += rec[static_cast<std::size_t>(i)];
    }
    return line;
}

std::string EscapeCommas(std::string_view text)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), ',', ';');
    return out;
}

std::string UnescapeCommas(std::string_view text)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), ';', ',');
    return out;
}

std::optional<double> numberValue(std::string_view field)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!field.empty() && blank(field.front())) field.remove_prefix(1);
    while (!field.empty() && blank(field.back())) field.remove_suffix(1);
    if (field.empty() || field.size() > 64) return std::nullopt;
    bool digit = false;
    for (char c : field) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E')
            return std::nullopt;
    }
    if (!digit) return std::nullopt;
    std::string text(field);
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return std::nullopt;
    return v;
}

LineProblem lineProblem(std::string_view line)
{
    if (line.find_first_not_of(" \t") == std::string_view::npos) return LineProblem::Blank;
    if (line.size() > kLongestLine) return LineProblem::TooLong;
    auto commas = std::count(line.begin(), line.end(), ',');
    if (commas < kDifficulty) return LineProblem::TooFewFields;
    if (commas > 10) return LineProblem::TooManyFields;
    // Field 7 runs from the 7th comma to the 8th (or the end).
    std::size_t pos = 0;
    for (int i = 0; i < kDifficulty; ++i) pos = line.find(',', pos) + 1;
    std::size_t end = line.find(',', pos);
    if (!numberValue(line.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos)))
        return LineProblem::BadDifficulty;
    return LineProblem::None;
}

}  // namespace zv
