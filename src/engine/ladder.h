#pragma once
// The money ladder: the prize of each of the fifteen questions, the amount
// assured after winning it and the amount played for next. The board's
// rows, the prize panel, the rules' break-up and the artwork all read it.

#include <string>

namespace zv {

inline constexpr int kTopLevel = 15;

struct LadderStep {
    int prize;
    int assured;
    int next;
};
const LadderStep& ladder(int level);  // level 1 to 15

// A guarantee point: a wrong answer later still pays its prize (questions 5
// and 10, and the top prize, which nothing can follow).
bool isGuaranteePoint(int level);

// An amount with its digits grouped as players read rupees: 1,60,000.
std::string groupedRupees(int amount);

}  // namespace zv
