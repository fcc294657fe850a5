#pragma once

#include "core/drill/card_drill.h"
#include "core/drill/schedule/card_state.h"
#include "core/drill/score.h"

#include <vector>

// What the drill keeps of its 2確目 questions: their own score, cards and day.
struct PairProgress {
    PairScore score;
    std::vector<CardState> cards;  // by card of the pair deck; empty for none asked yet
    DayTally day;

    friend bool operator==(const PairProgress&, const PairProgress&) = default;
};

// What the drill keeps from one run to the next.
struct Progress {
    Score score;
    std::vector<CardState> cards;  // by card of the deck; empty for none asked yet
    DayTally day;
    DrillSettings settings;
    PairProgress pairs;

    friend bool operator==(const Progress&, const Progress&) = default;
};
