#include "sets/zrv_reader.h"

#include "bank/question_extras.h"
#include "sets/bank_lines.h"
#include "sets/question_checks.h"
#include "sets/set_bytes.h"
#include "toolkit/text_encoding.h"

namespace zv::sets {

ParsedSet readZrv(FileSystem& files, const std::filesystem::path& file)
{
    ParsedSet set;
    // A bank that is not there is no source; the bank readers take it as empty.
    if (std::error_code error; !files.open(file, OpenMode::Read, error)) {
        set.problems.push_back({0, unreadableReason(error)});
        return set;
    }
    std::error_code extrasError;
    const QuestionExtras extras =
        QuestionExtras::read(BankFolder(file.parent_path(), files), file.filename().string(), &extrasError);
    if (extrasError) {
        set.problems.push_back({0, "the file " + extrasFileOf(file.filename().string()) + " beside it could not be read (" +
                                       plainReason(extrasError) + ")"});
        return set;
    }
    auto text = [](const std::string& field) { return displayText(UnescapeCommas(field)); };
    const std::error_code error =
        forEachBankLine(files, file, [&](std::size_t number, LineProblem problem, const QuestionRecord& rec, int) {
            if (problem == LineProblem::Blank) return;
            if (problem != LineProblem::None) {
                set.problems.push_back({number, lineProblemReason(problem)});
                return;
            }
            QuestionFields fields;
            fields.where = number;
            fields.question = text(rec[kQuestion]);
            for (std::size_t i = 0; i < 4; ++i) fields.options[i] = text(rec[static_cast<std::size_t>(kOptionA) + i]);
            fields.answer = rec[kAnswer];
            fields.letterOnly = true;
            fields.level = rec[kDifficulty];
            if (const QuestionExtra* extra = extras.find(rec[kQuestion])) {
                fields.explanation = displayText(extra->explanation);
                fields.category = displayText(extra->category);
            }
            addChecked(set, std::move(fields));
        });
    if (error) set.problems.push_back({0, unreadableReason(error)});
    return set;
}

}  // namespace zv::sets
