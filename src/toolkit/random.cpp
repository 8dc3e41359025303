#include "toolkit/random.h"

#include <chrono>

namespace zv {

Random::Random()
{
    std::random_device device;
    auto now = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    engine_.seed(now ^ (static_cast<std::uint64_t>(device()) << 32));
}

void Random::seed(std::uint64_t s)
{
    engine_.seed(s);
    queued_.clear();
}

void Random::queue(const std::vector<double>& numbers) { queued_.insert(queued_.end(), numbers.begin(), numbers.end()); }

double Random::next()
{
    ++draws_;
    if (!queued_.empty()) {
        double r = queued_.front();
        queued_.pop_front();
        return r;
    }
    // 53 random bits give every double in [0, 1) on an even grid.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace zv
