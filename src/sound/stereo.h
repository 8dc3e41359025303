#pragma once
// A stereo buffer of samples at the one rate every sound of the game uses.
// Samples are floats around 0, full scale at +-1.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace zv::sound {

inline constexpr int kRate = 44100;

struct Stereo {
    std::vector<float> left, right;

    explicit Stereo(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t frames() const { return left.size(); }
    void add(std::size_t frame, double l, double r)
    {
        left[frame] += static_cast<float>(l);
        right[frame] += static_cast<float>(r);
    }
};

// How much of a sound goes left and right for a place from -1 (left) to 1
// (right): equal power, so it keeps its loudness wherever it stands.
struct Pan {
    double left, right;
    explicit Pan(double place)
    {
        const double a = (std::clamp(place, -1.0, 1.0) + 1) * std::numbers::pi / 4;
        left = std::cos(a);
        right = std::sin(a);
    }
};

}  // namespace zv::sound
