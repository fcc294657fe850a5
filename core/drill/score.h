#pragma once

#include "core/outcome_groups.h"
#include "core/pairs/pair_verdict.h"

#include <array>
#include <cstddef>

// Answers given and answers right.
struct Tally {
    int answered = 0;
    int right = 0;

    friend bool operator==(const Tally&, const Tally&) = default;
};

// What the player has achieved: all answers, the current run of right ones,
// and the answers to the questions of each right answer, where the player
// sees which answers they still confuse.
template <std::size_t Answers>
struct ScoreOf {
    Tally total;
    int streak = 0;
    std::array<Tally, Answers> byAnswer{};

    // Counts one answer to a question whose right answer is `answer`.
    void record(int answer, bool right)
    {
        for (Tally* tally : {&total, &byAnswer[static_cast<std::size_t>(answer)]}) {
            ++tally->answered;
            tally->right += right ? 1 : 0;
        }
        streak = right ? streak + 1 : 0;
    }

    friend bool operator==(const ScoreOf&, const ScoreOf&) = default;
};

// The score of the patterns, by outcome group.
using Score = ScoreOf<kOutcomeGroups.size()>;
// The score of the pairs of two stopped reels, by verdict.
using PairScore = ScoreOf<kPairVerdicts.size()>;
