#pragma once
// The synthesiser's own noise source: xorshift64* from a fixed seed, so that
// every build renders the same hiss, whatever the standard library.

#include <cstdint>

namespace zv::sound {

class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed ? seed : 1) {}
    // A uniform number with -1 <= r < 1.
    double next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        const std::uint64_t r = state_ * 0x2545F4914F6CDD1DULL;
        return static_cast<double>(r >> 11) * 0x1.0p-52 - 1.0;
    }

private:
    std::uint64_t state_;
};

}  // namespace zv::sound
