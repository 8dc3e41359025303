#pragma once
// One cycle of a tone, summed from a few harmonics. Reading a table is far
// cheaper than summing sines for every sample, and a table of few harmonics
// can never alias at the pitches the game uses.

#include <initializer_list>
#include <vector>

namespace zv::sound {

class Table {
public:
    // amplitudes[0] is the fundamental, amplitudes[1] the second harmonic ...
    Table(std::initializer_list<double> amplitudes);
    // The tone at phase 0 <= phase < 1, between the table's points.
    double at(double phase) const
    {
        const double x = phase * kSize;
        const int i = static_cast<int>(x);
        const double f = x - i;
        return cycle_[i] + (cycle_[i + 1] - cycle_[i]) * f;
    }

private:
    static constexpr int kSize = 4096;
    std::vector<double> cycle_;  // kSize + 1 points: the last repeats the first
};

}  // namespace zv::sound
