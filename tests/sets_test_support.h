#pragma once
// Helpers of the question-set tests: a set file written and read back, its
// problems as text, the numbers the game's generator would draw.

#include <functional>
#include <string>
#include <vector>

#include "sets/question_sets.h"
#include "support/test_folder.h"

namespace zv::test {

// Returns the numbers in turn, then 0.
inline std::function<double()> draws(std::vector<double> numbers)
{
    return [numbers, next = std::size_t{0}]() mutable { return next < numbers.size() ? numbers[next++] : 0.0; };
}

// "4: reason" for each problem, "reason" for the whole file.
inline std::vector<std::string> problemTexts(const std::vector<sets::SetProblem>& problems)
{
    std::vector<std::string> texts;
    for (const auto& p : problems) texts.push_back(p.where ? std::to_string(p.where) + ": " + p.reason : p.reason);
    return texts;
}

inline sets::ParsedSet readBytes(const TestFolder& dir, const std::string& name, const std::string& bytes,
                                 const std::function<double()>& random = draws({}))
{
    dir.write(name, bytes);
    return sets::readSet(dir.file(name), random);
}

inline constexpr const char* kHeader = "question,option_a,option_b,option_c,option_d,answer,level";

}  // namespace zv::test
