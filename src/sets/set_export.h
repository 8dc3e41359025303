#pragma once
// Writing the bank, or the questions of some levels, out as a question set:
// CSV (RFC 4180, UTF-8, a header row, CR LF line ends) or JSON in our own
// form, the format going by the file's extension. Explanations and
// categories come from the bank's extras file. The set reads back into an
// empty folder as the same bank, byte for byte: the stored ";" becomes a
// comma again here, and a comma ";" again on import.

#include <filesystem>
#include <string>

#include "bank/bank_folder.h"

namespace zv::sets {

struct ExportOutcome {
    bool ok = false;
    int exported = 0;
    std::string message;  // the player's words
};

// The file is written whole or not at all; it is not written when the
// levels hold no question.
ExportOutcome exportSet(const BankFolder& bank, const std::filesystem::path& file, int fromLevel = 1, int toLevel = 15);

}  // namespace zv::sets
