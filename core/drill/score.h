#pragma once

#include "core/outcome_groups.h"

#include <array>

// Answers given and answers right.
struct Tally {
    int answered = 0;
    int right = 0;

    friend bool operator==(const Tally&, const Tally&) = default;
};

// What the player has achieved: all answers, the current run of right ones,
// and the answers to the patterns of each outcome group, where the player
// sees which groups they still confuse.
struct Score {
    Tally total;
    int streak = 0;
    std::array<Tally, kOutcomeGroups.size()> groups{};

    // Counts one answer to a pattern of `group`.
    void record(int group, bool right);

    friend bool operator==(const Score&, const Score&) = default;
};
