#pragma once

#include <algorithm>
#include <cstdint>

// The answers before the drill first fits the memory model by itself: with
// fewer, a fit would mostly follow chance.
inline constexpr std::int64_t kFirstFitAnswers = 300;

// Whether the drill should fit the memory model now by itself: from
// kFirstFitAnswers answers on, and again each time the answers have doubled
// since the last fit, kept or not (`answersAtLastFit`, 0 before any). The
// player can ask for a fit at any time besides.
constexpr bool fitIsDue(std::int64_t answers, std::int64_t answersAtLastFit)
{
    return answers >= std::max(kFirstFitAnswers, 2 * answersAtLastFit);
}
