#include "sound/finish.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "sound/filter.h"

namespace zv::sound {

void removeOffset(Stereo& sound)
{
    for (std::vector<float>* side : {&sound.left, &sound.right}) {
        Biquad dc = Biquad::highPass(20);
        for (float& x : *side) x = static_cast<float>(dc(x));
    }
}

Stereo fold(const Stereo& rendered, std::size_t frames)
{
    Stereo out(frames);
    for (std::size_t i = 0; i < rendered.frames(); ++i) out.add(i % frames, rendered.left[i], rendered.right[i]);
    return out;
}

void fadeOut(Stereo& sound, double seconds)
{
    const auto n = std::min(sound.frames(), static_cast<std::size_t>(seconds * kRate));
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = sound.frames() - n + k;
        const auto g = static_cast<float>(0.5 + 0.5 * std::cos(std::numbers::pi * (k + 1) / n));
        sound.left[i] *= g;
        sound.right[i] *= g;
    }
}

double peak(const Stereo& sound)
{
    double p = 0;
    for (std::size_t i = 0; i < sound.frames(); ++i)
        p = std::max({p, std::abs(double{sound.left[i]}), std::abs(double{sound.right[i]})});
    return p;
}

double loudness(const Stereo& sound)
{
    // The weighting of the broadcast loudness meters: a high-pass under the
    // bass and a shelf of +4 dB over the presence range.
    std::vector<double> power(sound.frames(), 0.0);
    for (const std::vector<float>* side : {&sound.left, &sound.right}) {
        Biquad low = Biquad::highPass(38, 0.5), shelf = Biquad::highShelf(1682, 4.0);
        for (std::size_t i = 0; i < power.size(); ++i) {
            const double y = shelf(low((*side)[i]));
            power[i] += y * y;
        }
    }
    const std::size_t block = std::min<std::size_t>(power.size(), kRate * 4 / 10), hop = kRate / 10;
    std::vector<double> blocks;
    for (std::size_t start = 0; start + block <= power.size(); start += hop) {
        double sum = 0;
        for (std::size_t i = start; i < start + block; ++i) sum += power[i];
        blocks.push_back(sum / static_cast<double>(block));
    }
    auto gatedMean = [&](double gate) {
        double sum = 0;
        int n = 0;
        for (double b : blocks)
            if (b > gate) sum += b, ++n;
        return n ? sum / n : 0.0;
    };
    const double absolute = gatedMean(1e-7);  // -70 dB: silence
    const double mean = gatedMean(absolute * 0.1);  // 10 dB under the rest: tails
    return mean > 0 ? 10 * std::log10(mean) : -100.0;
}

void normalise(Stereo& sound, double targetDb, double ceilingDb)
{
    double gain = std::pow(10.0, (targetDb - loudness(sound)) / 20);
    const double p = peak(sound);
    if (p * gain > std::pow(10.0, ceilingDb / 20)) gain = std::pow(10.0, ceilingDb / 20) / p;
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        sound.left[i] = static_cast<float>(sound.left[i] * gain);
        sound.right[i] = static_cast<float>(sound.right[i] * gain);
    }
}

}  // namespace zv::sound
