#pragma once
// The items of a JSON question set, one at a time, in either of its forms:
//
//   our own:  {"questions": [{"question": "...", "options": ["...", "...",
//             "...", "..."], "answer": "A", "level": 1, "explanation": "...",
//             "category": "..."}]}
//   the common trivia-database form:  {"results": [{"type": "multiple",
//             "difficulty": "easy", "category": "...", "question": "...",
//             "correct_answer": "...", "incorrect_answers": ["...", "...", "..."]}]}
//
// The trivia form writes its texts with HTML character references and has
// no letters or levels of ours: the right answer goes to a random letter,
// and easy, medium and hard questions are dealt in turn over the levels 1-5,
// 6-10 and 11-15. Its true/false questions have no place on the board: they
// are skipped and counted.

#include <array>
#include <cstddef>
#include <functional>

#include <nlohmann/json.hpp>

#include "sets/set_question.h"

namespace zv::sets {

// An item of our own form.
void addOwnItem(ParsedSet& set, const nlohmann::json& item, std::size_t number);

class TriviaItems {
public:
    // `random` gives numbers 0 <= r < 1: the game's one generator.
    explicit TriviaItems(const std::function<double()>& random) : random_(random) {}
    void add(ParsedSet& set, const nlohmann::json& item, std::size_t number);

private:
    const std::function<double()>& random_;
    std::array<std::size_t, 3> dealt_{};  // questions given a level so far, per band
};

}  // namespace zv::sets
