#pragma once
// Keeping the question bank: listing it, counting its questions per level,
// deleting a question by its number and restoring the default bank. Every
// operation reads imp.zrv from its first line to its last; nothing of the
// bank is kept between calls.
//
// The bank is the player's work and is never left half written: a rebuilt
// bank is written in full to a file of its own in the same folder, flushed
// to the disk, and then renamed over imp.zrv in one step, so that at every
// moment the folder holds either the old bank or the new one, whole.
//
// A bank that cannot be read, or not to its end, is an error, never an
// empty or shorter bank: an operation that reads it and then writes stops
// before it writes anything, and says why.

#include <array>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "bank/bank_folder.h"
#include "bank/record.h"

namespace zv {

// The first row of the editor's list.
inline constexpr const char* kListHeader = "S. No.   Difficulty   Answer   Question";

// How an operation on the bank's files ended.
struct BankResult {
    enum class Fault {
        None,
        Read,     // `file` could not be read: nothing was written
        Write,    // `file` could not be written: the bank is as it was
        Missing,  // `file` is not there
    };
    Fault fault = Fault::None;
    std::string file;
    std::error_code error;

    static BankResult failed(Fault fault, std::string_view file, std::error_code error = {})
    {
        return {fault, std::string(file), error};
    }
    explicit operator bool() const { return fault == Fault::None; }
};

// A question of the bank as the editor lists it: the line it is on (from 1)
// and its fields as stored (commas as ";").
struct BankEntry {
    std::size_t line = 0;
    std::string serial, question;
    std::array<std::string, 4> options;
    std::string answer, level;
    std::string raw;  // the line as the bank holds it
};

// Every question of the bank, in its order. Makes sure q.zrv and imp.zrv
// exist. Lines that are not questions are left out, as every reader leaves
// them. Nothing when the bank cannot be read (`outcome` says why).
std::vector<BankEntry> listEntries(const BankFolder& bank, BankResult* outcome = nullptr);

// A row of the editor's list: three blanks, the S. No., eleven blanks, the
// difficulty, eleven blanks, the answer, eleven blanks and the question with
// its commas shown.
std::string listRow(const BankEntry& entry);

// The rows of the editor's list: the header, then a row per question.
std::vector<std::string> listRows(const BankFolder& bank, BankResult* outcome = nullptr);

// How many questions each level 1 to 15 has (index 0 is level 1). Leaves
// temp.zrv holding the questions of level 15; `rec` holds the last line split.
// When the bank cannot be read the counts are no guide, and `outcome` says so.
std::array<int, 15> countPerLevel(const BankFolder& bank, QuestionRecord& rec, BankResult* outcome = nullptr);

// Called at every step of writing a rebuilt bank; tests use it to stop the
// program there, as a crash or a power cut would.
using StepHook = std::function<void(const char* step)>;

// Writes to old.zrv the bank without the questions numbered `number`,
// renumbered so the numbers run on without a gap. A line that is not a
// question, or whose number is not a number, is kept exactly as it was.
// Fails when the bank cannot be read to its end (old.zrv is then removed)
// or old.zrv cannot be written in full.
BankResult DeleteQuestion(const BankFolder& bank, double number, const StepHook& hook = {});

// Puts old.zrv in the place of imp.zrv, in one rename.
BankResult CommitDelete(const BankFolder& bank, const StepHook& hook = {});

// Replaces the bank by the default bank, keeping the old one in
// can_be_deleted.zrv; the explanations kept beside each go with it. Both banks are read in full before either file is
// replaced, so a bank that cannot be read changes nothing. Without
// default.zrv the bank is saved, then removed, and Missing returned.
BankResult RestoreDefaultBank(const BankFolder& bank, const StepHook& hook = {});

// Appends a question to the bank, numbered after the last line. Fields are
// the texts as typed (trimmed; commas stored as ";"), the letter and level as
// chosen. Returns the line written, or an empty string when it could not be:
// the bank could not be read to number the question, or not be written.
std::string AddQuestion(const BankFolder& bank, const std::string& question, const std::array<std::string, 4>& options,
                        const std::string& answer, const std::string& level, BankResult* outcome = nullptr);

// The question on line `line` (from 1) replaced by `replacement`, in place:
// its number and every other line as they were. The bank is written in
// full beside itself, flushed and renamed over imp.zrv, as a delete is. The
// line must still read `expected` (the bank may have changed since it was
// listed): Missing when it does not, and nothing is written.
BankResult EditQuestion(const BankFolder& bank, std::size_t line, std::string_view expected,
                        const std::string& replacement, const StepHook& hook = {});

// A question's line: its number and the texts as typed (trimmed; commas
// stored as ";"), the letter and the level as chosen.
std::string questionLine(const std::string& serial, const std::string& question,
                         const std::array<std::string, 4>& options, const std::string& answer,
                         const std::string& level);

// Copies a file to another name in the same folder through a flushed
// temporary file and one rename, so that `to` is always whole.
BankResult replaceWithCopy(const BankFolder& bank, std::string_view from, std::string_view to,
                           const StepHook& hook = {});

}  // namespace zv
