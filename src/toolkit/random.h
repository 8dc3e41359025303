#pragma once
// The program's one random generator. Every draw of the game, the hover
// colours included, takes the next number of this one sequence.
//
// By default it is seeded from the time, so that games differ from run to
// run. Tests and the script driver seed it, or queue the exact numbers the
// next draws must return.

#include <cstdint>
#include <deque>
#include <random>
#include <vector>

namespace zv {

class Random {
public:
    Random();  // seeded from the time
    void seed(std::uint64_t s);
    // The next draws return these, in order; then the seeded sequence resumes.
    void queue(const std::vector<double>& numbers);
    // A uniform number with 0 <= r < 1.
    double next();
    // How many numbers have been drawn so far.
    std::uint64_t draws() const { return draws_; }

private:
    std::mt19937_64 engine_;
    std::deque<double> queued_;
    std::uint64_t draws_ = 0;
};

}  // namespace zv
