#include "engine/ladder.h"

#include <array>

namespace zv {

namespace {
// Guarantee points at levels 5 and 10; level 15 is the top prize of 1 crore.
constexpr std::array<LadderStep, kTopLevel> kLadder{{
    {1000, 0, 2000},
    {2000, 0, 3000},
    {3000, 0, 5000},
    {5000, 0, 10000},
    {10000, 10000, 20000},
    {20000, 10000, 40000},
    {40000, 10000, 80000},
    {80000, 10000, 160000},
    {160000, 10000, 320000},
    {320000, 320000, 640000},
    {640000, 320000, 1250000},
    {1250000, 320000, 2500000},
    {2500000, 320000, 5000000},
    {5000000, 320000, 10000000},
    {10000000, 10000000, 10000000},
}};
}  // namespace

const LadderStep& ladder(int level) { return kLadder.at(static_cast<std::size_t>(level - 1)); }

bool isGuaranteePoint(int level) { return ladder(level).assured == ladder(level).prize; }

std::string groupedRupees(int amount)
{
    // The last three digits, then pairs.
    std::string digits = std::to_string(amount);
    std::string out;
    int group = 3;
    while (digits.size() > static_cast<std::size_t>(group)) {
        out = "," + digits.substr(digits.size() - static_cast<std::size_t>(group)) + out;
        digits.resize(digits.size() - static_cast<std::size_t>(group));
        group = 2;
    }
    return digits + out;
}

}  // namespace zv
