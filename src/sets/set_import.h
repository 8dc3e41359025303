#pragma once
// Bringing a question set into the bank. A preview first tells what would
// come in (the questions per level) and everything that keeps the set out;
// the import then adds the whole set, or nothing at all.
//
// Merge appends the questions after the bank's own, numbered on from its
// last S. No.; Replace puts the set in the bank's place and keeps the old
// bank beside it as a dated backup (imp-2026-12-06-101500.zrv, with its
// extras file). Explanations and categories go to the bank's extras file.
// Nothing is replaced until every new file is written in full and on the
// disk, so a failed import leaves imp.zrv and imp-extras.tsv byte for byte
// as they were.

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "bank/bank_folder.h"
#include "sets/set_question.h"

namespace zv::sets {

enum class ImportMode { Merge, Replace };

struct ImportPreview {
    std::array<int, 15> perLevel{};  // index 0 for level 1
    std::vector<SetProblem> problems;
    int skipped = 0;
    bool ok() const { return problems.empty(); }
};

// The set's problems, with those of the bank added: a question already in
// the bank (when merging) and a bank that cannot be read.
ImportPreview previewImport(const BankFolder& bank, const ParsedSet& set, ImportMode mode = ImportMode::Merge);

struct ImportOutcome {
    bool ok = false;
    int imported = 0;
    std::string message;  // the player's words
    std::string backup;   // the dated backup's file name, on Replace
};

// Refuses a set whose preview is not ok. `now` dates the backup.
ImportOutcome importSet(const BankFolder& bank, const ParsedSet& set, ImportMode mode,
                        std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// "3 problems; the first, line 4: level "16" is not 1 to 15".
std::string describeProblems(const ParsedSet& set, const std::vector<SetProblem>& problems);

}  // namespace zv::sets
