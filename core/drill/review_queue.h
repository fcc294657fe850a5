#pragma once

#include "core/pattern.h"

#include <optional>
#include <vector>

// A pattern the player got wrong, waiting to be asked again.
struct Review {
    Pattern pattern;
    int dueAt = 0;         // the number of the question it comes back as
    int rightsInARow = 0;  // right answers since it was last got wrong: 0 or 1

    friend bool operator==(const Review&, const Review&) = default;
};

// The patterns that come back until they stick: a wrong answer brings its
// pattern back a few questions later, and it leaves after two right answers
// in a row. Questions are numbered 1, 2, … from the start of the progress.
class ReviewQueue {
public:
    static constexpr int kRightsToLeave = 2;

    // The pattern that question `question` must ask again, if any is due by
    // then whose left position passes the filter (PatternPool's): the one due
    // longest, and of those the one missed first.
    std::optional<Pattern> dueBy(int question, int leftFilter) const;

    // Takes the answer to question `question`: a wrong one brings its pattern
    // back as question `question + gap` and starts its count of right answers
    // afresh; a right one to a waiting pattern counts towards its leaving and
    // otherwise sends it back after another gap.
    void record(const Pattern& pattern, bool right, int question, int gap);

    const std::vector<Review>& reviews() const { return reviews_; }
    void restore(std::vector<Review> reviews) { reviews_ = std::move(reviews); }

private:
    std::vector<Review> reviews_;  // in the order they were missed
};
