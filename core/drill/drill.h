#pragma once

#include "core/pattern.h"
#include "core/drill/review_queue.h"
#include "core/drill/score.h"
#include "core/drill/seeded_random.h"

#include <cstdint>
#include <vector>

class PatternPool;

// What an answer earned.
struct Verdict {
    bool right = false;
    int group = 0;  // the group the pattern belongs to
    char code = 0;  // its outcome code
};

// One player's drill: asks for the meaning of a pattern, takes the answer,
// keeps the score and brings back the patterns got wrong. Each question picks
// a group first, so that rare groups come up as often as common ones.
class Drill {
public:
    static constexpr int kShortestGap = 3;  // questions until a pattern got wrong comes back
    static constexpr int kLongestGap = 6;

    explicit Drill(std::uint64_t seed);

    // Asks the next question: a pattern due to come back if one is, else a
    // random pattern of a random group, under the left filter.
    const Pattern& next();
    const Pattern& current() const { return current_; }
    bool isAnswered() const { return answered_; }

    // Answers the current question with the index of an outcome group. The
    // question must not be answered yet.
    Verdict answer(int group);

    // 1..21 asks only patterns with that left position; PatternPool's
    // kEveryLeft asks them all. An unanswered question that the new filter
    // leaves out is replaced.
    void setLeftFilter(int leftFilter);
    int leftFilter() const { return leftFilter_; }

    const Score& score() const { return score_; }
    const std::vector<Review>& reviews() const { return reviews_.reviews(); }

    // Continues from saved progress, or starts it afresh, with a new question.
    void restore(const Score& score, std::vector<Review> reviews);
    void reset() { restore({}, {}); }

private:
    int questionNumber() const { return score_.total.answered + 1; }
    Pattern randomPattern();

    const PatternPool& pool_;
    SeededRandom random_;
    Score score_;
    ReviewQueue reviews_;
    int leftFilter_;
    Pattern current_;
    bool answered_ = false;
};
