#include "core/drill/review_queue.h"

#include "core/drill/pattern_pool.h"

#include <algorithm>

std::optional<Pattern> ReviewQueue::dueBy(int question, int leftFilter) const
{
    const Review* first = nullptr;
    for (const Review& review : reviews_) {
        const bool due = passesLeftFilter(review.pattern, leftFilter) && review.dueAt <= question;
        if (due && (!first || review.dueAt < first->dueAt))
            first = &review;
    }
    if (!first)
        return std::nullopt;
    return first->pattern;
}

void ReviewQueue::record(const Pattern& pattern, bool right, int question, int gap)
{
    const auto waiting = std::find_if(reviews_.begin(), reviews_.end(),
                                      [&](const Review& review) { return review.pattern == pattern; });
    if (!right) {
        if (waiting == reviews_.end())
            reviews_.push_back({pattern, question + gap, 0});
        else
            *waiting = {pattern, question + gap, 0};
        return;
    }
    if (waiting == reviews_.end())
        return;
    if (++waiting->rightsInARow == kRightsToLeave)
        reviews_.erase(waiting);
    else
        waiting->dueAt = question + gap;
}
