#include "bank/question_extras.h"

#include <vector>

namespace zv {

namespace {
constexpr std::string_view kHeader = "question\texplanation\tcategory";

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> out;
    for (std::size_t at = 0;;) {
        const std::size_t tab = line.find('\t', at);
        out.push_back(line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
        if (tab == std::string_view::npos) return out;
        at = tab + 1;
    }
}
}  // namespace

std::string extrasFileOf(std::string_view bankName)
{
    std::string stem(bankName);
    if (const auto dot = stem.rfind('.'); dot != std::string::npos) stem.erase(dot);
    return stem + "-extras.tsv";
}

std::string extraField(std::string_view text)
{
    std::string out;
    for (char c : text) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

QuestionExtras QuestionExtras::read(const BankFolder& bank, std::string_view bankName, std::error_code* error)
{
    QuestionExtras extras;
    const std::string name = extrasFileOf(bankName);
    if (!bank.exists(name)) return extras;
    LineReader in(bank, name);
    std::string_view line;
    while (in.next(line)) {
        if (in.lineNumber() == 1 && line == kHeader) continue;
        const auto fields = splitTabs(line);
        if (fields[0].empty()) continue;
        QuestionExtra extra{fields.size() > 1 ? std::string(fields[1]) : "",
                            fields.size() > 2 ? std::string(fields[2]) : ""};
        if (!extra.empty()) extras.entries_[std::string(fields[0])] = std::move(extra);
    }
    if (error) *error = in.error();
    return extras;
}

const QuestionExtra* QuestionExtras::find(std::string_view question) const
{
    auto it = entries_.find(question);
    return it == entries_.end() ? nullptr : &it->second;
}

void QuestionExtras::set(const std::string& question, QuestionExtra extra)
{
    extra.explanation = extraField(extra.explanation);
    extra.category = extraField(extra.category);
    if (extra.empty())
        entries_.erase(question);
    else
        entries_[question] = std::move(extra);
}

void QuestionExtras::rename(const std::string& from, const std::string& to)
{
    if (from == to) return;
    auto it = entries_.find(from);
    if (it == entries_.end()) return;
    QuestionExtra extra = std::move(it->second);
    entries_.erase(it);
    entries_[to] = std::move(extra);
}

std::error_code QuestionExtras::write(const BankFolder& bank, std::string_view bankName) const
{
    const std::string name = extrasFileOf(bankName);
    if (entries_.empty()) {
        if (bank.exists(name) && !bank.remove(name)) return std::make_error_code(std::errc::permission_denied);
        return {};
    }
    const std::string temp = name + ".new";
    std::error_code error;
    {
        auto out = bank.files().open(bank.file(temp), OpenMode::Truncate, error);
        if (!out) return error;
        auto line = [&](std::string_view text) {
            return out->write(text.data(), text.size()) && out->write("\r\n", 2);
        };
        bool ok = line(kHeader);
        for (const auto& [question, extra] : entries_)
            ok = ok && line(question + "\t" + extra.explanation + "\t" + extra.category);
        if (!ok || !out->close()) {
            error = out->error() ? out->error() : std::make_error_code(std::errc::io_error);
            bank.remove(temp);
            return error;
        }
    }
    std::filesystem::rename(bank.file(temp), bank.file(name), error);
    if (error) bank.remove(temp);
    return error;
}

}  // namespace zv
