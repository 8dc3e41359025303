#pragma once
// A question set as it is read from a file, before it goes into the bank:
// its questions with the line (or item) each came from, and everything
// wrong with it, each problem with its place in the file.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zv::sets {

struct SetQuestion {
    std::string question;  // UTF-8, commas as commas
    std::array<std::string, 4> options;
    char answer = 'A';  // 'A' to 'D'
    int level = 1;      // 1 to 15
    std::string explanation, category;
    std::size_t where = 0;  // the line (CSV, ZRV) or item (JSON) it came from
};

struct SetProblem {
    // The line (CSV, ZRV) or item (JSON) number, from 1; 0 for the file as a
    // whole (empty, binary, not readable).
    std::size_t where = 0;
    std::string reason;  // in the player's words
    bool operator==(const SetProblem&) const = default;
};

struct ParsedSet {
    std::vector<SetQuestion> questions;
    std::vector<SetProblem> problems;
    int skipped = 0;  // true/false questions of the common trivia-database form
    bool itemNumbers = false;  // `where` counts the items of a JSON list, not lines
};

// "line 4", "item 4", or nothing for the file as a whole.
inline std::string placeName(const ParsedSet& set, std::size_t where)
{
    if (where == 0) return {};
    return (set.itemNumbers ? "item " : "line ") + std::to_string(where);
}

}  // namespace zv::sets
