#pragma once
// Every line of a bank file in turn, as the game reads it: what keeps it
// from being a question, or its fields. The import reads the bank it adds
// to, the export the bank it writes out, and a .zrv set is a bank too.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "bank/file_system.h"
#include "bank/record.h"

namespace zv::sets {

// `rec` holds fields 0 to 7 of a line whose problem is None; `level` is the
// level its difficulty names (1 to 15), or 0.
using OnBankLine = std::function<void(std::size_t number, LineProblem problem, const QuestionRecord& rec, int level)>;

// Why the file could not be read to its end, or no error. A missing file
// has no lines.
std::error_code forEachBankLine(FileSystem& files, const std::filesystem::path& file, const OnBankLine& onLine);

// Why the game skips such a line, in the player's words.
std::string lineProblemReason(LineProblem problem);

}  // namespace zv::sets
