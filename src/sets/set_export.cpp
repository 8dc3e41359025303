#include "sets/set_export.h"

#include <nlohmann/json.hpp>

#include "bank/question_extras.h"
#include "sets/bank_lines.h"
#include "sets/staged_file.h"
#include "toolkit/text_encoding.h"

namespace zv::sets {

namespace {

constexpr std::string_view kCsvHeader = "question,option_a,option_b,option_c,option_d,answer,level,explanation,category\r\n";

// A field in quotes, its quotes doubled, when it holds what would end it.
void appendCsvField(std::string& row, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        row += text;
        return;
    }
    row += '"';
    for (const char c : text) {
        if (c == '"') row += '"';
        row += c;
    }
    row += '"';
}

struct ExportedQuestion {
    std::string question;
    std::array<std::string, 4> options;
    std::string answer;
    int level = 0;
    QuestionExtra extra;
};

std::string csvRow(const ExportedQuestion& q)
{
    std::string row;
    appendCsvField(row, q.question);
    for (const auto& option : q.options) appendCsvField(row += ',', option);
    appendCsvField(row += ',', q.answer);
    row += ',' + std::to_string(q.level) + ',';
    appendCsvField(row, q.extra.explanation);
    appendCsvField(row += ',', q.extra.category);
    return row + "\r\n";
}

std::string jsonItem(const ExportedQuestion& q)
{
    nlohmann::ordered_json item;
    item["question"] = q.question;
    item["options"] = q.options;
    item["answer"] = q.answer;
    item["level"] = q.level;
    if (!q.extra.explanation.empty()) item["explanation"] = q.extra.explanation;
    if (!q.extra.category.empty()) item["category"] = q.extra.category;
    return item.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

ExportOutcome failed(std::string message) { return {false, 0, "Nothing was exported: " + message + "."}; }

}  // namespace

ExportOutcome exportSet(const BankFolder& bank, const std::filesystem::path& file, int fromLevel, int toLevel)
{
    std::string ext = file.extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (ext != ".csv" && ext != ".json") return failed("the game writes question sets as .csv or .json files");
    if (fromLevel < 1 || toLevel > 15 || fromLevel > toLevel) return failed("the levels go from 1 to 15");
    const bool json = ext == ".json";

    std::error_code error;
    const std::string extrasName = extrasFileOf(bankfile::kBank);
    const QuestionExtras extras = QuestionExtras::read(bank, bankfile::kBank, &error);
    if (error) return failed("the file " + extrasName + " could not be read (" + plainReason(error) + ")");

    StagedFile out(bank.files(), file.string() + ".part");
    out.write(json ? "{\"questions\": [\n" : kCsvHeader);
    int count = 0;
    auto text = [](const std::string& field) { return displayText(UnescapeCommas(field)); };
    error = forEachBankLine(bank.files(), bank.file(bankfile::kBank),
                            [&](std::size_t, LineProblem problem, const QuestionRecord& rec, int level) {
                                if (problem != LineProblem::None || level < fromLevel || level > toLevel) return;
                                ExportedQuestion q;
                                q.question = text(rec[kQuestion]);
                                for (std::size_t i = 0; i < 4; ++i)
                                    q.options[i] = text(rec[static_cast<std::size_t>(kOptionA) + i]);
                                q.answer = displayText(rec[kAnswer]);
                                q.level = level;
                                if (const QuestionExtra* extra = extras.find(rec[kQuestion]))
                                    q.extra = {displayText(extra->explanation), displayText(extra->category)};
                                if (json) out.write(count > 0 ? ",\n  " : "  ");
                                out.write(json ? jsonItem(q) : csvRow(q));
                                ++count;
                            });
    if (error) return failed("the question bank " + std::string(bankfile::kBank) + " could not be read (" + plainReason(error) + ")");
    if (count == 0)
        return failed(fromLevel == 1 && toLevel == 15 ? "the bank holds no questions"
                                                       : "the bank holds no questions of levels " +
                                                             std::to_string(fromLevel) + " to " + std::to_string(toLevel));
    if (json) out.write("\n]}\n");
    const std::string name = file.filename().string();
    if ((error = out.finish()) || (error = out.putInPlace(file)))
        return failed("the file " + name + " could not be written (" + plainReason(error) + ")");
    return {true, count, "Exported " + std::to_string(count) + " question" + (count == 1 ? "" : "s") + " to " + name + "."};
}

}  // namespace zv::sets
