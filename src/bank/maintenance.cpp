#include "bank/maintenance.h"

#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include "bank/level_copy.h"
#include "bank/question_extras.h"

namespace zv {

namespace {

using Fault = BankResult::Fault;

void step(const StepHook& hook, const char* name)
{
    if (hook) hook(name);
}

std::string trimBlanks(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Renames `from` over `to` in one step (an existing `to` is replaced).
std::error_code renameOver(const BankFolder& bank, std::string_view from, std::string_view to)
{
    std::error_code ec;
    std::filesystem::rename(bank.file(from), bank.file(to), ec);
    if (!ec) flushFolder(bank.dir());
    return ec;
}

// Copies `from` to `temp`, flushed to the disk. The caller removes `temp`
// when this fails.
BankResult copyToTemp(const BankFolder& bank, std::string_view from, std::string_view temp, const StepHook& hook)
{
    std::error_code ec;
    std::unique_ptr<File> in = bank.files().open(bank.file(from), OpenMode::Read, ec);
    if (!in) return BankResult::failed(ec == std::errc::no_such_file_or_directory ? Fault::Missing : Fault::Read, from, ec);
    std::unique_ptr<File> out = bank.files().open(bank.file(temp), OpenMode::Truncate, ec);
    if (!out) return BankResult::failed(Fault::Write, temp, ec);
    std::vector<char> buffer(std::size_t{1} << 16);
    for (;;) {
        const std::size_t got = in->read(buffer.data(), buffer.size());
        if (in->error()) return BankResult::failed(Fault::Read, from, in->error());
        if (got > 0) {
            if (!out->write(buffer.data(), got)) return BankResult::failed(Fault::Write, temp, out->error());
            step(hook, "copied a block");
        }
        if (got < buffer.size()) break;
    }
    in.reset();
    if (!out->close()) return BankResult::failed(Fault::Write, temp, out->error());
    out.reset();
    if (const std::error_code e = flushToDisk(bank.file(temp))) return BankResult::failed(Fault::Write, temp, e);
    step(hook, "flushed the copy");
    return {};
}

}  // namespace

std::vector<BankEntry> listEntries(const BankFolder& bank, BankResult* outcome)
{
    bank.ensureExists(bankfile::kListMarker);
    bank.ensureExists(bankfile::kBank);
    std::vector<BankEntry> entries;
    QuestionRecord rec;
    LineReader in(bank, bankfile::kBank);
    std::string_view line;
    while (in.next(line)) {
        if (lineProblem(line) != LineProblem::None) continue;
        SplitRecord(line, rec);
        entries.push_back({in.lineNumber(), rec[kSerial], rec[kQuestion], {rec[2], rec[3], rec[4], rec[5]},
                           rec[kAnswer], rec[kDifficulty], std::string(line)});
    }
    if (in.error()) {
        if (outcome) *outcome = BankResult::failed(Fault::Read, bankfile::kBank, in.error());
        return {};
    }
    if (outcome) *outcome = {};
    return entries;
}

std::string listRow(const BankEntry& e)
{
    const std::string gap(11, ' ');
    return "   " + e.serial + gap + e.level + gap + e.answer + gap + UnescapeCommas(e.question);
}

std::vector<std::string> listRows(const BankFolder& bank, BankResult* outcome)
{
    BankResult read;
    const std::vector<BankEntry> entries = listEntries(bank, &read);
    if (outcome) *outcome = read;
    if (!read) return {};
    std::vector<std::string> rows{kListHeader};
    rows.reserve(entries.size() + 1);
    for (const BankEntry& e : entries) rows.push_back(listRow(e));
    return rows;
}

std::string questionLine(const std::string& serial, const std::string& question,
                         const std::array<std::string, 4>& options, const std::string& answer, const std::string& level)
{
    std::string line = serial + "," + EscapeCommas(trimBlanks(question));
    for (const auto& o : options) line += "," + EscapeCommas(trimBlanks(o));
    return line + "," + answer + "," + level;
}

BankResult EditQuestion(const BankFolder& bank, std::size_t number, std::string_view expected,
                        const std::string& replacement, const StepHook& hook)
{
    const std::string temp = std::string(bankfile::kBank) + ".new";
    bool found = false;
    {
        LineReader in(bank, bankfile::kBank);
        if (in.error()) return BankResult::failed(Fault::Read, bankfile::kBank, in.error());
        LineWriter out(bank, temp, LineWriter::Mode::Truncate);
        std::string_view line;
        while (in.next(line)) {
            if (in.lineNumber() == number && line == expected) {
                found = true;
                out.write(replacement);
            } else {
                out.write(line);
            }
        }
        if (in.error() || !found) {
            out.close();
            bank.remove(temp);
            return in.error() ? BankResult::failed(Fault::Read, bankfile::kBank, in.error())
                              : BankResult::failed(Fault::Missing, bankfile::kBank);
        }
        if (!out.close()) {
            bank.remove(temp);
            return BankResult::failed(Fault::Write, temp, out.error());
        }
    }
    step(hook, "wrote the edited bank");
    if (const std::error_code e = flushToDisk(bank.file(temp))) {
        bank.remove(temp);
        return BankResult::failed(Fault::Write, temp, e);
    }
    if (const std::error_code e = renameOver(bank, temp, bankfile::kBank)) {
        bank.remove(temp);
        return BankResult::failed(Fault::Write, bankfile::kBank, e);
    }
    step(hook, "renamed the edited bank");
    return {};
}

std::array<int, 15> countPerLevel(const BankFolder& bank, QuestionRecord& rec, BankResult* outcome)
{
    std::string joined;
    const LevelTally tally = tallyLevels(bank, bankfile::kLevelCopy, rec, joined);
    if (outcome)
        *outcome = tally.readError ? BankResult::failed(Fault::Read, bankfile::kBank, tally.readError) : BankResult{};
    return tally.count;
}

BankResult DeleteQuestion(const BankFolder& bank, double number, const StepHook& hook)
{
    LineReader in(bank, bankfile::kBank);
    if (in.error()) return BankResult::failed(Fault::Read, bankfile::kBank, in.error());
    LineWriter out(bank, bankfile::kRebuilt, LineWriter::Mode::Truncate);
    step(hook, "emptied old.zrv");
    QuestionRecord rec;
    std::string_view line;
    while (in.next(line)) {
        const std::size_t n = in.lineNumber();
        std::optional<double> serial;
        if (lineProblem(line) == LineProblem::None) {
            SplitRecord(line, rec);
            serial = numberValue(rec[kSerial]);
        }
        if (!serial) {
            // Not a question the game can read: kept as the player left it.
            out.write(line);
        } else if (*serial != number) {
            std::string rebuilt = std::to_string(*serial < number ? n : n - 1);
            for (int i = 1; i <= kDifficulty; ++i) rebuilt += "," + rec[static_cast<std::size_t>(i)];
            out.write(rebuilt);
        }
        step(hook, "wrote a line of old.zrv");
    }
    if (in.error()) {
        // The lines read so far are not the bank: a rebuilt bank of them
        // would cut it short.
        out.close();
        bank.remove(bankfile::kRebuilt);
        return BankResult::failed(Fault::Read, bankfile::kBank, in.error());
    }
    if (!out.close()) return BankResult::failed(Fault::Write, bankfile::kRebuilt, out.error());
    step(hook, "closed old.zrv");
    if (const std::error_code e = flushToDisk(bank.file(bankfile::kRebuilt)))
        return BankResult::failed(Fault::Write, bankfile::kRebuilt, e);
    step(hook, "flushed old.zrv");
    return {};
}

BankResult CommitDelete(const BankFolder& bank, const StepHook& hook)
{
    // One rename replaces imp.zrv: there is no moment without a bank, where
    // deleting imp.zrv and then renaming would leave none.
    if (const std::error_code e = renameOver(bank, bankfile::kRebuilt, bankfile::kBank))
        return BankResult::failed(Fault::Write, bankfile::kBank, e);
    step(hook, "renamed old.zrv to imp.zrv");
    return {};
}

BankResult replaceWithCopy(const BankFolder& bank, std::string_view from, std::string_view to, const StepHook& hook)
{
    const std::string temp = std::string(to) + ".new";
    BankResult copied = copyToTemp(bank, from, temp, hook);
    if (copied) {
        if (const std::error_code e = renameOver(bank, temp, to)) copied = BankResult::failed(Fault::Write, to, e);
    }
    if (!copied) {
        bank.remove(temp);
        return copied;
    }
    step(hook, "renamed the copy");
    return {};
}

BankResult RestoreDefaultBank(const BankFolder& bank, const StepHook& hook)
{
    if (!bank.exists(bankfile::kDefault)) {
        // Nothing to restore from: the bank is saved and taken away as the
        // restore always does, and the player is told to get a fresh copy.
        if (BankResult saved = replaceWithCopy(bank, bankfile::kBank, bankfile::kBackup, hook); !saved) return saved;
        step(hook, "saved the bank");
        bank.remove(bankfile::kBank);
        return BankResult::failed(Fault::Missing, bankfile::kDefault);
    }
    // The default bank is read into a file of its own first and the player's
    // bank saved next: a bank that cannot be read stops the restore before
    // anything is replaced. Then the default takes the place of imp.zrv in
    // one rename, where a delete followed by a copy would leave a moment
    // without any bank.
    const std::string fresh = std::string(bankfile::kBank) + ".new";
    BankResult done = copyToTemp(bank, bankfile::kDefault, fresh, hook);
    if (done) done = replaceWithCopy(bank, bankfile::kBank, bankfile::kBackup, hook);
    if (done) {
        step(hook, "saved the bank");
        if (const std::error_code e = renameOver(bank, fresh, bankfile::kBank))
            done = BankResult::failed(Fault::Write, bankfile::kBank, e);
    }
    if (!done) {
        bank.remove(fresh);
        return done;
    }
    step(hook, "renamed the copy");
    // The explanations go with their banks: the player's are saved beside
    // can_be_deleted.zrv, the default bank's take their place.
    const std::string extras = extrasFileOf(bankfile::kBank), defaultExtras = extrasFileOf(bankfile::kDefault);
    if (bank.exists(extras)) replaceWithCopy(bank, extras, extrasFileOf(bankfile::kBackup), hook);
    if (bank.exists(defaultExtras))
        replaceWithCopy(bank, defaultExtras, extras, hook);
    else
        bank.remove(extras);
    return {};
}

std::string AddQuestion(const BankFolder& bank, const std::string& question, const std::array<std::string, 4>& options,
                        const std::string& answer, const std::string& level, BankResult* outcome)
{
    auto fails = [outcome](Fault fault, std::error_code e) {
        if (outcome) *outcome = BankResult::failed(fault, bankfile::kBank, e);
        return std::string();
    };
    // The new question is numbered after the last line, and starts a line
    // of its own even when the last line has no line end (edited elsewhere).
    std::size_t lines = 0;
    bool lastEnded = false;
    {
        LineReader in(bank, bankfile::kBank);
        std::string_view l;
        while (in.next(l)) {
        }
        if (in.error()) return fails(Fault::Read, in.error());
        lines = in.lineNumber();
        lastEnded = in.lastLineEnded();
    }
    const std::string line = questionLine(std::to_string(lines + 1), question, options, answer, level);
    const bool unfinished = !bank.isEmpty(bankfile::kBank) && !lastEnded;
    std::error_code ec;
    const auto sizeBefore = std::filesystem::file_size(bank.file(bankfile::kBank), ec);
    LineWriter out(bank, bankfile::kBank, LineWriter::Mode::Append);
    if (!out.isOpen()) return fails(Fault::Write, out.error());
    if (unfinished) out.write("");
    out.write(line);
    if (!out.close()) {
        // A disk that filled up mid-line: the bank goes back to what it was.
        if (!ec) std::filesystem::resize_file(bank.file(bankfile::kBank), sizeBefore, ec);
        return fails(Fault::Write, out.error());
    }
    if (outcome) *outcome = {};
    return line;
}

}  // namespace zv
