#pragma once

#include "core/drill/memory/memory_model.h"

#include <cstdint>

// Where a card stands in its learning.
enum class Phase {
    New,         // never asked
    Learning,    // asked, on its first short steps
    Review,      // due again by its stability
    Relearning,  // forgotten in review, back on short steps
};

// One card's learning: its memory and when it is due. Times are milliseconds
// since 1970 (UTC).
struct CardState {
    Phase phase = Phase::New;
    Memory memory;
    int step = 0;  // the learning step it is on, while learning or relearning
    std::int64_t lastAnswerMs = 0;
    std::int64_t dueMs = 0;
    int answers = 0;
    int lapses = 0;  // times forgotten after it was learned

    friend bool operator==(const CardState&, const CardState&) = default;
};

inline constexpr std::int64_t kMsPerDay = 86'400'000;

// The probability that the card is recalled at `nowMs`; 0 for a new card.
double retrievabilityAt(const CardState& state, std::int64_t nowMs);
