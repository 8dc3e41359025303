#include "sets/duplicates.h"

#include "sets/question_checks.h"

namespace zv::sets {

std::vector<SetProblem> findDuplicates(const ParsedSet& set, const KnownQuestions& bank)
{
    std::vector<SetProblem> problems;
    std::unordered_map<std::string, std::size_t> seen;
    seen.reserve(set.questions.size());
    for (const SetQuestion& q : set.questions) {
        std::string key = questionKey(q.question);
        if (const auto known = bank.find(key); known != bank.end())
            problems.push_back({q.where, "a duplicate of a question already in the bank (S. No. " + known->second + ")"});
        else if (const auto [first, fresh] = seen.emplace(std::move(key), q.where); !fresh)
            problems.push_back({q.where, set.itemNumbers ? "a duplicate of item " + std::to_string(first->second)
                                                         : "a duplicate of the question on line " +
                                                               std::to_string(first->second)});
    }
    return problems;
}

}  // namespace zv::sets
