#include "core/drill/pattern_pool.h"

PatternPool::PatternPool()
{
    for (int left = 1; left <= Pattern::kPositions; ++left) {
        for (std::size_t group = 0; group < kGroups; ++group)
            starts_[group][static_cast<std::size_t>(left)] = byGroup_[group].size();
        for (int center = 1; center <= Pattern::kPositions; ++center) {
            for (int right = 1; right <= Pattern::kPositions; ++right) {
                const Pattern pattern{left, center, right};
                byGroup_[static_cast<std::size_t>(groupIndexOf(outcomeCodeOf(pattern)))].push_back(pattern);
            }
        }
    }
    for (std::size_t group = 0; group < kGroups; ++group)
        starts_[group][Pattern::kPositions + 1] = byGroup_[group].size();
}

const PatternPool& PatternPool::instance()
{
    static const PatternPool pool;
    return pool;
}

std::span<const Pattern> PatternPool::patterns(int group, int leftFilter) const
{
    const auto index = static_cast<std::size_t>(group);
    const std::vector<Pattern>& all = byGroup_[index];
    if (leftFilter == kEveryLeft)
        return all;
    const auto left = static_cast<std::size_t>(leftFilter);
    return std::span<const Pattern>(all).subspan(starts_[index][left], starts_[index][left + 1] - starts_[index][left]);
}

bool passesLeftFilter(const Pattern& pattern, int leftFilter)
{
    return leftFilter == PatternPool::kEveryLeft || pattern.left == leftFilter;
}
