#include "sound/hiss.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "sound/filter.h"

namespace zv::sound {

void play(Stereo& out, Noise& noise, const Hiss& h)
{
    const auto first = static_cast<std::size_t>(std::lround(h.at * kRate));
    const std::vector<float> envelope = h.envelope.levels(h.held);
    const std::size_t last = std::min(out.frames(), first + envelope.size());
    const Pan pan(h.pan);
    // Two low-passes in a row: the noise falls away steeply above the cutoff.
    Biquad low[2][2] = {{Biquad::lowPass(h.from), Biquad::lowPass(h.from)},
                        {Biquad::lowPass(h.from), Biquad::lowPass(h.from)}};
    Biquad high[2] = {Biquad::highPass(h.highPass), Biquad::highPass(h.highPass)};
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        if ((i - first) % 32 == 0 && h.from != h.to) {
            // The cutoff moves evenly in pitch, as an ear hears a sweep.
            const double u = std::min(t / h.held, 1.0);
            const Biquad shape = Biquad::lowPass(h.from * std::pow(h.to / h.from, u));
            for (auto& side : low)
                for (Biquad& f : side) f.retune(shape);
        }
        const double n1 = noise.next();
        const double n2 = h.width > 0 ? noise.next() : n1;
        const double e = envelope[i - first];
        double s[2] = {n1, (1 - h.width) * n1 + h.width * n2};
        for (int c = 0; c < 2; ++c) s[c] = high[c](low[c][1](low[c][0](s[c]))) * e;
        out.add(i, s[0] * pan.left * h.gain, s[1] * pan.right * h.gain);
    }
}

}  // namespace zv::sound
