#pragma once

#include "core/pattern.h"
#include "core/outcome_groups.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

// Every pattern of the reels, sorted by the outcome group it is judged to, so
// that a question can pick a group first and then one of its patterns.
class PatternPool {
public:
    static constexpr int kEveryLeft = 0;  // the filter that lets every left position in

    PatternPool();

    // The one pool, built on first use.
    static const PatternPool& instance();

    // The patterns of a group whose left position passes the filter: 1..21
    // for that left position, or kEveryLeft.
    std::span<const Pattern> patterns(int group, int leftFilter) const;

private:
    static constexpr std::size_t kGroups = kOutcomeGroups.size();

    // Each group's patterns in order of left position, so those of one left
    // position lie together: they start at starts_[group][left].
    std::array<std::vector<Pattern>, kGroups> byGroup_;
    std::array<std::array<std::size_t, Pattern::kPositions + 2>, kGroups> starts_{};
};

// Whether a pattern's left position passes a filter of PatternPool's.
bool passesLeftFilter(const Pattern& pattern, int leftFilter);
