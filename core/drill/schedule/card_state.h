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

// The player's day of a moment: days since 1970 in the player's time, whose
// midnight is `utcOffsetMs` from UTC's.
constexpr std::int64_t playerDayOf(std::int64_t ms, std::int64_t utcOffsetMs)
{
    const std::int64_t local = ms + utcOffsetMs;
    return local / kMsPerDay - (local % kMsPerDay < 0 ? 1 : 0);
}

// The probability that the card is recalled at `nowMs` by `model`; 0 for a
// new card.
double retrievabilityAt(const CardState& state, std::int64_t nowMs, const MemoryModel& model = MemoryModel());

// The card's recall a day after `nowMs`: what the mastery map shows, so that
// a card just missed, whose recall this very moment is high only because
// its answer was just shown, does not look remembered.
double recallADayLater(const CardState& state, std::int64_t nowMs, const MemoryModel& model = MemoryModel());
