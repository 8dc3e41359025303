#include "sound/envelope.h"

#include <cmath>

#include "sound/stereo.h"

namespace zv::sound {

namespace {
double smooth(double u) { return u * u * (3 - 2 * u); }
}  // namespace

std::vector<float> Envelope::levels(double held) const
{
    const auto heldFrames = static_cast<std::size_t>(held * kRate);
    const auto attackFrames = static_cast<std::size_t>(attack * kRate);
    const auto releaseFrames = static_cast<std::size_t>(release * kRate) + 1;
    std::vector<float> out(heldFrames + releaseFrames);
    // The fall is exponential: one factor a frame, not exp() for each.
    const double fall = std::exp(-1.0 / (decay * kRate));
    double above = 1 - sustain;  // how far the level still is above sustain
    double level = 0;
    for (std::size_t i = 0; i < heldFrames; ++i) {
        if (i < attackFrames) {
            level = smooth(static_cast<double>(i) / attackFrames);
        } else {
            level = sustain + above;
            above *= fall;
        }
        out[i] = static_cast<float>(level);
    }
    for (std::size_t i = 0; i < releaseFrames; ++i)
        out[heldFrames + i] = static_cast<float>(level * (1 - smooth(static_cast<double>(i + 1) / releaseFrames)));
    return out;
}

}  // namespace zv::sound
