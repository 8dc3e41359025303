#include "sound/table.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zv::sound {

Table::Table(std::initializer_list<double> amplitudes) : cycle_(kSize + 1, 0.0)
{
    // Harmonics all starting as sines would line up into one sharp peak;
    // even ones as cosines keep the crest low for the same sound.
    for (int i = 0; i <= kSize; ++i) {
        int n = 1;
        for (double a : amplitudes) {
            const double w = 2 * std::numbers::pi * n * i / kSize;
            cycle_[i] += a * (n % 2 ? std::sin(w) : std::cos(w));
            ++n;
        }
    }
    double peak = 0;
    for (double v : cycle_) peak = std::max(peak, std::abs(v));
    if (peak > 0)
        for (double& v : cycle_) v /= peak;
}

}  // namespace zv::sound
