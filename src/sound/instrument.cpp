#include "sound/instrument.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zv::sound {

double hz(double pitch) { return 440.0 * std::exp2((pitch - 69) / 12); }

namespace {
constexpr double kVibratoHz = 5.2;
}  // namespace

void Instrument::play(Stereo& out, const Note& note) const
{
    const auto first = static_cast<std::size_t>(std::lround(note.at * kRate));
    const bool moves = drop != 0 || note.bend != 0 || vibrato != 0;
    for (const Layer& layer : layers) {
        const std::vector<float> envelope = layer.envelope.levels(note.held);
        const std::size_t last = std::min(out.frames(), first + envelope.size());
        const int copies = layer.detune > 0 ? 2 : 1;
        for (int c = 0; c < copies; ++c) {
            const double cents = copies == 2 ? (c ? layer.detune : -layer.detune) : 0;
            const Pan pan(note.pan + (copies == 2 ? (c ? 0.35 : -0.35) : 0));
            const double base = hz(note.pitch) * layer.ratio * std::exp2(cents / 1200) / kRate;
            const double scale = note.gain * layer.gain / copies;
            double phase = c * 0.37;  // the two copies start apart, not as one louder tone
            double step = base;
            for (std::size_t i = first; i < last; ++i) {
                // The pitch moves slowly next to the wave: a new step every
                // 16 frames is smooth and far cheaper.
                if (moves && (i - first) % 16 == 0) {
                    const double t = static_cast<double>(i - first) / kRate;
                    double semis = drop * std::exp(-t / dropTime);
                    if (note.bend != 0) {
                        const double u = std::min(t / note.held, 1.0);
                        semis += note.bend * u * u * (3 - 2 * u);
                    }
                    if (vibrato != 0) {
                        const double grown = std::min(t / 0.4, 1.0);
                        semis += vibrato / 100 * grown * std::sin(2 * std::numbers::pi * kVibratoHz * t);
                    }
                    step = base * std::exp2(semis / 12);
                }
                const double v = layer.table->at(phase) * envelope[i - first] * scale;
                out.add(i, v * pan.left, v * pan.right);
                phase += step;
                if (phase >= 1) phase -= 1;
            }
        }
    }
}

}  // namespace zv::sound
