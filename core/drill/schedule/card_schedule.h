#pragma once

#include "core/drill/memory/grade.h"
#include "core/drill/schedule/card_state.h"

#include <array>
#include <cstdint>

// The short steps of a card answered wrongly: it comes back after the first,
// a right answer on a step takes it to the next, and one on the last leaves
// the steps for review by its stability. A new card answered right goes to
// review at once.
inline constexpr std::array<std::int64_t, 2> kLearningStepsMs = {60'000, 600'000};

// Desired retention: the recall probability at which a reviewed card is due.
inline constexpr double kDefaultRetention = 0.90;
inline constexpr double kLeastRetention = 0.80;
inline constexpr double kMostRetention = 0.97;

// The longest wait for a review.
inline constexpr double kLongestIntervalDays = 36'500;

// The card's state after an answer of `grade` at `nowMs`, its memory by
// `model`: the default weights unless fitted to the player.
CardState afterAnswer(const CardState& state, Grade grade, std::int64_t nowMs, double retention,
                      const MemoryModel& model = MemoryModel());
