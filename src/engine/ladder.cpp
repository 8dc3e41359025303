#include <array>

#include "engine/program.h"

namespace zv {

namespace {
// Guarantee points at levels 5 and 10; level 15 is the top prize of 1 crore.
constexpr std::array<LadderStep, 15> kLadder{{
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

bool isLadderLevel(int level) { return level >= 1 && level <= 15; }

const LadderStep& ladder(int level) { return kLadder.at(static_cast<std::size_t>(level - 1)); }

}  // namespace zv
