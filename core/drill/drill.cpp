#include "core/drill/drill.h"

#include "core/drill/pattern_pool.h"

#include <vector>

Drill::Drill(std::uint64_t seed)
    : pool_(PatternPool::instance()), random_(seed), leftFilter_(PatternPool::kEveryLeft)
{
    next();
}

const Pattern& Drill::next()
{
    const std::optional<Pattern> due = reviews_.dueBy(questionNumber(), leftFilter_);
    current_ = due ? *due : randomPattern();
    answered_ = false;
    return current_;
}

Pattern Drill::randomPattern()
{
    std::vector<int> groups;
    for (int group = 0; group < static_cast<int>(kOutcomeGroups.size()); ++group)
        if (!pool_.patterns(group, leftFilter_).empty())
            groups.push_back(group);
    const int group = groups[static_cast<std::size_t>(random_.below(static_cast<int>(groups.size())))];
    const std::span<const Pattern> patterns = pool_.patterns(group, leftFilter_);
    return patterns[static_cast<std::size_t>(random_.below(static_cast<int>(patterns.size())))];
}

Verdict Drill::answer(int group)
{
    const char code = outcomeCodeOf(current_);
    const Verdict verdict{groupIndexOf(code) == group, groupIndexOf(code), code};
    reviews_.record(current_, verdict.right, questionNumber(), random_.between(kShortestGap, kLongestGap));
    score_.record(verdict.group, verdict.right);
    answered_ = true;
    return verdict;
}

void Drill::setLeftFilter(int leftFilter)
{
    leftFilter_ = leftFilter;
    if (!answered_ && !passesLeftFilter(current_, leftFilter_))
        next();
}

void Drill::restore(const Score& score, std::vector<Review> reviews)
{
    score_ = score;
    reviews_.restore(std::move(reviews));
    next();
}
