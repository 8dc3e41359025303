#pragma once
// The same question twice: once in the set and once in the bank, or twice
// in the set. Two texts are the same question when they differ only in
// blanks and in the case of letters.

#include <string>
#include <unordered_map>
#include <vector>

#include "sets/set_question.h"

namespace zv::sets {

// The bank's questions by questionKey(), each with its S. No.
using KnownQuestions = std::unordered_map<std::string, std::string>;

// A problem for every question of the set already in `bank`, or already
// earlier in the set.
std::vector<SetProblem> findDuplicates(const ParsedSet& set, const KnownQuestions& bank);

}  // namespace zv::sets
