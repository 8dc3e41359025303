#pragma once
// Reading a question set, whatever its format, and checking a file of
// questions for `zarvana check`: every problem a set or a bank has, each
// with the line (or item) it is on.

#include <filesystem>
#include <functional>
#include <vector>

#include "bank/file_system.h"
#include "sets/set_question.h"

namespace zv::sets {

// The format goes by the extension: .csv, .json or .zrv. `random` (0 <= r
// < 1, the game's one generator) places the answers of the common
// trivia-database form. The problems come in the order of the file.
ParsedSet readSet(const std::filesystem::path& file, const std::function<double()>& random,
                  FileSystem& files = systemFiles());

// Every problem of a set or a bank file, the same question twice included.
std::vector<SetProblem> checkSet(const std::filesystem::path& file, FileSystem& files = systemFiles());

// Problems sorted by their place in the file, each line's in the order found.
void sortByPlace(std::vector<SetProblem>& problems);

}  // namespace zv::sets
