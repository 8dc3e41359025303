#include "sets/set_import.h"

#include <cmath>
#include <ctime>
#include <memory>
#include <optional>

#include "bank/maintenance.h"
#include "bank/question_extras.h"
#include "sets/bank_lines.h"
#include "sets/duplicates.h"
#include "sets/question_checks.h"
#include "sets/read_set.h"
#include "sets/staged_file.h"
#include "toolkit/text_encoding.h"

namespace zv::sets {

namespace {

// The new bank and its extras, before they take the old ones' place.
constexpr std::string_view kStagedBank = "imp-importing.zrv";

struct BankQuestions {
    KnownQuestions known;
    long long nextNumber = 1;
    std::error_code error;
};

// The bank's questions, and the number the next one takes: one after the
// last question's S. No. (after the last line, when that is no number).
BankQuestions readBank(const BankFolder& bank)
{
    BankQuestions result;
    std::size_t lines = 0;
    std::optional<double> lastSerial;
    result.error = forEachBankLine(bank.files(), bank.file(bankfile::kBank),
                                   [&](std::size_t number, LineProblem problem, const QuestionRecord& rec, int) {
                                       lines = number;
                                       if (problem != LineProblem::None) return;
                                       lastSerial = numberValue(rec[kSerial]);
                                       result.known.emplace(questionKey(displayText(UnescapeCommas(rec[kQuestion]))),
                                                            rec[kSerial]);
                                   });
    const bool whole = lastSerial && *lastSerial >= 0 && *lastSerial < 1e15 && *lastSerial == std::floor(*lastSerial);
    result.nextNumber = (whole ? static_cast<long long>(*lastSerial) : static_cast<long long>(lines)) + 1;
    return result;
}

std::string cannotRead(std::string_view file, std::error_code error)
{
    return "the file " + std::string(file) + " could not be read (" + plainReason(error) + ")";
}

std::string cannotWrite(std::string_view file, std::error_code error)
{
    return "the file " + std::string(file) + " could not be written (" + plainReason(error) + ")";
}

// imp-2026-12-06-101500.zrv, or with -2, -3 ... when that is taken.
std::string backupName(const BankFolder& bank, std::chrono::system_clock::time_point now)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    const std::string stem = "imp-" + std::string(stamp);
    std::string name = stem + ".zrv";
    for (int n = 2; bank.exists(name); ++n) name = stem + "-" + std::to_string(n) + ".zrv";
    return name;
}

std::string bankLine(long long number, const SetQuestion& q)
{
    std::string line = std::to_string(number) + "," + EscapeCommas(q.question);
    for (const auto& option : q.options) line += "," + EscapeCommas(option);
    line += ',';
    line += q.answer;
    line += "," + std::to_string(q.level) + "\r\n";
    return line;
}

// Copies the bank as it is into the staged file, its last line ended.
std::error_code copyBank(const BankFolder& bank, StagedFile& out)
{
    std::error_code error;
    const std::unique_ptr<File> in = bank.files().open(bank.file(bankfile::kBank), OpenMode::Read, error);
    if (!in) return error == std::errc::no_such_file_or_directory ? std::error_code() : error;
    std::string block(std::size_t{1} << 16, '\0');
    char last = '\n';
    for (;;) {
        const std::size_t got = in->read(block.data(), block.size());
        if (in->error()) return in->error();
        if (got == 0) break;
        out.write(std::string_view(block.data(), got));
        last = block[got - 1];
    }
    if (last != '\n') out.write("\r\n");
    return {};
}

// The steps of one import: everything new written aside (stage), the old
// bank kept (on Replace), then the new files renamed into place (commit).
// Each returns the reason it failed, or nothing.
class Import {
public:
    Import(const BankFolder& bank, const ParsedSet& set, ImportMode mode) : bank_(bank), set_(set), mode_(mode) {}

    std::optional<std::string> run(std::chrono::system_clock::time_point now, std::string& backup)
    {
        if (auto failed = stage()) return failed;
        if (mode_ == ImportMode::Replace && bank_.exists(bankfile::kBank)) {
            if (auto failed = keepBackup(now, backup)) return failed;
        }
        if (auto failed = commit()) {
            // A backup of a bank that stays is no backup.
            if (!backup.empty()) {
                bank_.remove(backup);
                bank_.remove(extrasFileOf(backup));
                backup.clear();
            }
            return failed;
        }
        return std::nullopt;
    }

    ~Import() { bank_.remove(stagedExtras_); }  // when it was not put in place
    Import(const Import&) = delete;
    Import& operator=(const Import&) = delete;

private:
    std::optional<std::string> stage()
    {
        std::error_code error;
        before_ = QuestionExtras::read(bank_, bankfile::kBank, &error);
        if (error) return cannotRead(extrasName_, error);
        after_ = mode_ == ImportMode::Merge ? before_ : QuestionExtras();
        for (const SetQuestion& q : set_.questions) after_.set(EscapeCommas(q.question), {q.explanation, q.category});

        long long number = 1;
        if (mode_ == ImportMode::Merge) {
            const BankQuestions old = readBank(bank_);
            if (old.error) return cannotRead(bankfile::kBank, old.error);
            number = old.nextNumber;
        }
        staged_ = std::make_unique<StagedFile>(bank_.files(), bank_.file(kStagedBank));
        if (mode_ == ImportMode::Merge && (error = copyBank(bank_, *staged_))) return cannotRead(bankfile::kBank, error);
        for (const SetQuestion& q : set_.questions) staged_->write(bankLine(number++, q));
        if ((error = staged_->finish())) return cannotWrite(bankfile::kBank, error);

        // The extras file is written under the staged bank's name, by the
        // bank's own writer of it.
        if (after_.all() != before_.all() && !after_.all().empty()) {
            if ((error = after_.write(bank_, kStagedBank)) || (error = flushToDisk(bank_.file(stagedExtras_))))
                return cannotWrite(extrasName_, error);
        }
        return std::nullopt;
    }

    std::optional<std::string> keepBackup(std::chrono::system_clock::time_point now, std::string& backup)
    {
        const std::string name = backupName(bank_, now);
        BankResult kept = replaceWithCopy(bank_, bankfile::kBank, name);
        if (kept && bank_.exists(extrasName_)) kept = replaceWithCopy(bank_, extrasName_, extrasFileOf(name));
        if (!kept) {
            bank_.remove(name);
            bank_.remove(extrasFileOf(name));
            const std::string reason = kept.fault == BankResult::Fault::Write ? cannotWrite(kept.file, kept.error)
                                                                              : cannotRead(kept.file, kept.error);
            return "the old bank could not be kept: " + reason;
        }
        backup = name;
        return std::nullopt;
    }

    std::optional<std::string> commit()
    {
        const bool extrasChange = after_.all() != before_.all();
        std::error_code error;
        // The extras first: while the old bank stands, extras of questions it
        // does not have are never looked at.
        if (bank_.exists(stagedExtras_)) {
            std::filesystem::rename(bank_.file(stagedExtras_), bank_.file(extrasName_), error);
            if (error) return cannotWrite(extrasName_, error);
        }
        if ((error = staged_->putInPlace(bank_.file(bankfile::kBank)))) {
            if (extrasChange) before_.write(bank_, bankfile::kBank);
            return cannotWrite(bankfile::kBank, error);
        }
        if (extrasChange && after_.all().empty()) bank_.remove(extrasName_);
        return std::nullopt;
    }

    const BankFolder& bank_;
    const ParsedSet& set_;
    ImportMode mode_;
    const std::string extrasName_ = extrasFileOf(bankfile::kBank);
    const std::string stagedExtras_ = extrasFileOf(kStagedBank);
    QuestionExtras before_, after_;
    std::unique_ptr<StagedFile> staged_;  // the new bank
};

}  // namespace

std::string describeProblems(const ParsedSet& set, const std::vector<SetProblem>& problems)
{
    if (problems.empty()) return {};
    const SetProblem& first = problems.front();
    const std::string place = placeName(set, first.where);
    const std::string text = place.empty() ? first.reason : place + ": " + first.reason;
    if (problems.size() == 1) return text;
    return std::to_string(problems.size()) + " problems; the first, " + text;
}

ImportPreview previewImport(const BankFolder& bank, const ParsedSet& set, ImportMode mode)
{
    ImportPreview preview;
    preview.skipped = set.skipped;
    preview.problems = set.problems;
    for (const SetQuestion& q : set.questions)
        if (q.level >= 1 && q.level <= 15) ++preview.perLevel[static_cast<std::size_t>(q.level - 1)];
    KnownQuestions known;
    if (mode == ImportMode::Merge) {
        BankQuestions old = readBank(bank);
        if (old.error)
            preview.problems.push_back({0, "the question bank: " + cannotRead(bankfile::kBank, old.error)});
        known = std::move(old.known);
    }
    for (SetProblem& problem : findDuplicates(set, known)) preview.problems.push_back(std::move(problem));
    if (set.questions.empty() && preview.problems.empty()) preview.problems.push_back({0, "no questions to import"});
    sortByPlace(preview.problems);
    return preview;
}

ImportOutcome importSet(const BankFolder& bank, const ParsedSet& set, ImportMode mode,
                        std::chrono::system_clock::time_point now)
{
    ImportOutcome outcome;
    const ImportPreview preview = previewImport(bank, set, mode);
    if (!preview.ok()) {
        outcome.message = "Nothing was imported: " + describeProblems(set, preview.problems) + ".";
        return outcome;
    }
    Import import(bank, set, mode);
    if (const auto failed = import.run(now, outcome.backup)) {
        outcome.backup.clear();
        outcome.message = "Nothing was imported: " + *failed + ".";
        return outcome;
    }
    outcome.ok = true;
    outcome.imported = static_cast<int>(set.questions.size());
    outcome.message = "Imported " + std::to_string(outcome.imported) + " question" +
                      (outcome.imported == 1 ? "" : "s") + ".";
    if (!outcome.backup.empty()) outcome.message += " The old bank is kept as " + outcome.backup + ".";
    return outcome;
}

}  // namespace zv::sets
