#include "bank/maintenance.h"

#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include "bank/level_copy.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zv {

namespace {

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

// Makes the file's bytes, then the folder's entry, safe on the disk.
bool flushToDisk(const std::filesystem::path& file)
{
#ifdef _WIN32
    std::FILE* f = openFile(file, "rb+");
    if (!f) return false;
    const bool ok = _commit(_fileno(f)) == 0;
    std::fclose(f);
    return ok;
#else
    int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fsync(fd) == 0;
    close(fd);
    return ok;
#endif
}

void flushFolder(const std::filesystem::path& dir)
{
#ifndef _WIN32
    int fd = open(dir.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
#else
    (void)dir;
#endif
}

// Renames `from` over `to` in one step (an existing `to` is replaced).
bool renameOver(const BankFolder& bank, std::string_view from, std::string_view to)
{
    std::error_code ec;
    std::filesystem::rename(bank.file(from), bank.file(to), ec);
    if (ec) return false;
    flushFolder(bank.dir());
    return true;
}

}  // namespace

std::vector<std::string> listRows(const BankFolder& bank)
{
    bank.ensureExists(bankfile::kListMarker);
    bank.ensureExists(bankfile::kBank);
    std::vector<std::string> rows{kListHeader};
    QuestionRecord rec;
    LineReader in(bank, bankfile::kBank);
    std::string_view line;
    const std::string gap(11, ' ');
    while (in.next(line)) {
        if (lineProblem(line) != LineProblem::None) continue;
        SplitRecord(line, rec);
        rows.push_back("   " + rec[kSerial] + gap + rec[kDifficulty] + gap + UnescapeCommas(rec[kQuestion]));
    }
    return rows;
}

std::array<int, 15> countPerLevel(const BankFolder& bank, QuestionRecord& rec)
{
    std::string joined;
    return tallyLevels(bank, bankfile::kLevelCopy, rec, joined).count;
}

bool DeleteQuestion(const BankFolder& bank, double number, const StepHook& hook)
{
    LineWriter out(bank, bankfile::kRebuilt, LineWriter::Mode::Truncate);
    step(hook, "emptied old.zrv");
    LineReader in(bank, bankfile::kBank);
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
    if (!out.close()) return false;
    step(hook, "closed old.zrv");
    if (!flushToDisk(bank.file(bankfile::kRebuilt))) return false;
    step(hook, "flushed old.zrv");
    return true;
}

bool CommitDelete(const BankFolder& bank, const StepHook& hook)
{
    // One rename replaces imp.zrv: there is no moment without a bank, where
    // deleting imp.zrv and then renaming would leave none.
    if (!renameOver(bank, bankfile::kRebuilt, bankfile::kBank)) return false;
    step(hook, "renamed old.zrv to imp.zrv");
    return true;
}

bool replaceWithCopy(const BankFolder& bank, std::string_view from, std::string_view to, const StepHook& hook)
{
    const std::string temp = std::string(to) + ".new";
    std::error_code ec;
    std::unique_ptr<File> in = bank.files().open(bank.file(from), OpenMode::Read, ec);
    if (!in) return false;
    std::unique_ptr<File> out = bank.files().open(bank.file(temp), OpenMode::Truncate, ec);
    if (!out) return false;
    bool ok = true;
    std::vector<char> buffer(std::size_t{1} << 16);
    for (;;) {
        const std::size_t got = in->read(buffer.data(), buffer.size());
        if (got > 0) {
            if (!out->write(buffer.data(), got)) {
                ok = false;
                break;
            }
            step(hook, "copied a block");
        }
        if (got < buffer.size()) break;
    }
    if (in->error()) ok = false;
    in.reset();
    if (!out->close()) ok = false;
    out.reset();
    ok = ok && flushToDisk(bank.file(temp));
    if (ok) step(hook, "flushed the copy");
    if (!ok || !renameOver(bank, temp, to)) {
        bank.remove(temp);
        return false;
    }
    step(hook, "renamed the copy");
    return true;
}

bool RestoreDefaultBank(const BankFolder& bank, const StepHook& hook)
{
    if (!replaceWithCopy(bank, bankfile::kBank, bankfile::kBackup, hook)) return false;
    step(hook, "saved the bank");
    if (!bank.exists(bankfile::kDefault)) {
        // Nothing to restore from: the saved bank is taken away as the
        // restore always does, and the player is told to get a fresh copy.
        bank.remove(bankfile::kBank);
        return false;
    }
    // The default bank takes the place of imp.zrv in one rename, where a
    // delete followed by a copy would leave a moment without any bank.
    return replaceWithCopy(bank, bankfile::kDefault, bankfile::kBank, hook);
}

std::string AddQuestion(const BankFolder& bank, const std::string& question, const std::array<std::string, 4>& options,
                        const std::string& answer, const std::string& level)
{
    std::size_t lines = 0;
    bool lastEnded = false;
    {
        LineReader in(bank, bankfile::kBank);
        std::string_view l;
        while (in.next(l)) {
        }
        lines = in.lineNumber();
        lastEnded = in.lastLineEnded();
    }
    std::string line = std::to_string(lines + 1);
    line += "," + EscapeCommas(trimBlanks(question));
    for (const auto& o : options) line += "," + EscapeCommas(trimBlanks(o));
    line += "," + answer + "," + level;
    // A bank whose last line has no line end (edited elsewhere) gets one
    // first, so that the new question starts a line of its own.
    const bool unfinished = !bank.isEmpty(bankfile::kBank) && !lastEnded;
    std::error_code ec;
    const auto sizeBefore = std::filesystem::file_size(bank.file(bankfile::kBank), ec);
    LineWriter out(bank, bankfile::kBank, LineWriter::Mode::Append);
    if (!out.isOpen()) return {};
    if (unfinished) out.write("");
    out.write(line);
    if (!out.close()) {
        // A disk that filled up mid-line: the bank goes back to what it was.
        if (!ec) std::filesystem::resize_file(bank.file(bankfile::kBank), sizeBefore, ec);
        return {};
    }
    return line;
}

}  // namespace zv
