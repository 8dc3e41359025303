#pragma once
// Copying the questions of one level out of the bank into a working copy,
// the step before every draw and every level of the bank check.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "bank/bank_folder.h"
#include "bank/record.h"

namespace zv {

// How the difficulty field is compared with the level. The draw of the first
// question compares it as text with "1"; every other reader compares its
// number value, so " 7" and "7.0" are level 7 there.
enum class LevelMatch { Text, Number };

struct LevelCopy {
    int count = 0;                      // records copied to the working copy
    bool bankEmpty = false;             // the bank has no bytes at all
    // The bank could not be read to its end: the working copy holds only
    // some of the level's records, and `rec` no line in particular.
    std::error_code readError;
    std::error_code copyError;          // the working copy could not be written
    int lastSplit = 0;                  // SplitRecord's result for the last usable line
    std::vector<std::size_t> skipped;   // numbers (from 1) of lines that are not records
};

// Makes sure the bank exists, empties `copy`, and appends to it, rebuilt by
// JoinRecord, every record of the bank whose difficulty matches `level`.
// Every usable line is split into `rec` in turn, so afterwards `rec` holds the
// fields of the last one; `lastJoined` receives the last line written.
LevelCopy copyLevel(const BankFolder& bank, std::string_view copy, int level, LevelMatch match,
                    QuestionRecord& rec, std::string& lastJoined);

// What the player is told about lines of the bank that were skipped: their
// numbers, the first ten of them.
std::string describeSkippedLines(const std::vector<std::size_t>& lines);

// The questions of every level in one pass over the bank, as the bank check
// and the editor's count per level see them: fifteen passes, one per level,
// each emptying `copy` and filling it with that level's records, leave the
// same files as this one pass, which writes only level 15 (the last).
struct LevelTally {
    std::array<int, 15> count{};        // records of each level, index 0 for level 1
    std::vector<std::size_t> skipped;
    std::error_code readError;  // the bank could not be read to its end: the counts are no guide
    std::error_code copyError;
};
// `lastJoined` receives the last record of the highest level that has any,
// as the fifteen passes leave it.
LevelTally tallyLevels(const BankFolder& bank, std::string_view copy, QuestionRecord& rec, std::string& lastJoined);

// Line `n` (from 1) of a working copy, or nullopt if it has fewer lines or
// cannot be read (then `error`, if given, says why).
std::optional<std::string> readLine(const BankFolder& bank, std::string_view file, std::size_t n,
                                    std::error_code* error = nullptr);

// Every line of a working copy; `error` says why when it could not be read
// to its end.
std::vector<std::string> readLines(const BankFolder& bank, std::string_view file, std::error_code* error);

// Counts the lines of a file (0 for a missing one).
std::size_t countLines(const BankFolder& bank, std::string_view file);

}  // namespace zv
