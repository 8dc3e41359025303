#pragma once
// The checks every question of a set passes, whatever file it came from:
// each field there, an answer A to D (or the text of an option), a level 1
// to 15, and texts the board shows whole and the bank can keep.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sets/set_question.h"

namespace zv::sets {

// The fields' names in the player's messages: the columns of a CSV set.
inline constexpr std::array<std::string_view, 9> kFieldNames = {
    "question", "option_a", "option_b", "option_c", "option_d", "answer", "level", "explanation", "category"};

// One question's fields as the file gives them; nullopt for one it lacks.
struct QuestionFields {
    std::size_t where = 0;
    std::optional<std::string> question;
    std::array<std::optional<std::string>, 4> options;
    std::optional<std::string> answer, level, explanation, category;
    // What the reader found wrong itself: told with the rest, and the
    // question is not added.
    std::vector<std::string> reasons;
    // A field there, but not as a text: told so, rather than missing.
    std::array<bool, kFieldNames.size()> notText{};
    // The options came as one list (JSON's "options"): a missing one is the
    // list's fault, told once.
    bool optionsAsList = false;
    // A bank's answer: exactly A, B, C or D, the way the board compares it.
    bool letterOnly = false;
};

// Adds the question to `set` when it passes every check, else its problems.
void addChecked(ParsedSet& set, QuestionFields fields);

// What two ways of writing one question have in common (blanks run
// together, letters in one case), to find the same question twice.
std::string questionKey(std::string_view question);

// A value of the file quoted in a problem, readable whatever its encoding.
std::string shownValue(std::string_view value);

}  // namespace zv::sets
