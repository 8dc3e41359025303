#include "sets/bank_lines.h"

#include "bank/bank_scan.h"

namespace zv::sets {

std::error_code forEachBankLine(FileSystem& files, const std::filesystem::path& file, const OnBankLine& onLine)
{
    BlockLines in(files, file);
    QuestionRecord rec;
    in.forEachRecord(
        [&](LineProblem problem, const RecordView& view, std::size_t number) {
            if (problem == LineProblem::None) SplitRecord(view.joined, rec);
            onLine(number, problem, rec, view.level);
        },
        [] {});
    return in.error();
}

std::string lineProblemReason(LineProblem problem)
{
    switch (problem) {
    case LineProblem::None:
    case LineProblem::Blank:
        break;
    case LineProblem::TooFewFields:
        return "not a question: fewer than eight fields";
    case LineProblem::TooManyFields:
        return "not a question: more than eleven fields";
    case LineProblem::BadDifficulty:
        return "not a question: the level is not a number";
    case LineProblem::TooLong:
        return "not a question: longer than " + std::to_string(kLongestLine / 1024) + " KiB";
    }
    return {};
}

}  // namespace zv::sets
