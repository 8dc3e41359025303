#include "history/fresh_draw.h"

#include <algorithm>

namespace zv::history {

std::vector<std::size_t> freshCandidates(const std::vector<std::string>& questions,
                                         const std::map<std::string, long long>& lastShown)
{
    std::vector<std::size_t> unseen;
    std::vector<std::pair<long long, std::size_t>> seen;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        auto it = lastShown.find(questions[i]);
        if (it == lastShown.end())
            unseen.push_back(i);
        else
            seen.push_back({it->second, i});
    }
    if (!unseen.empty() || seen.empty()) return unseen;
    std::stable_sort(seen.begin(), seen.end());
    seen.resize(std::max<std::size_t>(1, seen.size() / 2));
    std::vector<std::size_t> oldest;
    for (const auto& [when, index] : seen) oldest.push_back(index);
    std::sort(oldest.begin(), oldest.end());
    return oldest;
}

}  // namespace zv::history
