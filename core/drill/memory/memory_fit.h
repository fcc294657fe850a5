#pragma once

#include "core/drill/memory/card_answer.h"
#include "core/drill/memory/memory_model.h"

#include <cstddef>
#include <stop_token>
#include <vector>

// The weights that best predict `answers` (any order): those within
// FSRS-6's bounds (weight_bounds.h) that minimise the log loss of the
// recall predicted before each answer, replaying each card's answers in
// time order as the drill met them, plus a pull toward the default weights
// that counts for less the more answers there are. The same answers always
// give the same weights: the search starts from the defaults and draws
// nothing at random. A stop requested through `stop` ends the search
// within one pass over the answers and gives the defaults.
MemoryWeights fittedWeights(const std::vector<CardAnswer>& answers, std::stop_token stop = {});

// The share of the latest answers a fit is checked on.
inline constexpr double kHeldOutShare = 0.2;
// Where the held-out answers begin among `answers` in time order.
std::size_t heldOutFrom(std::size_t answers);

// How well a set of weights predicted the held-out answers; NaN when none
// of them had a prediction.
struct HeldOutFigures {
    double logLoss = 0;
    double rmseBins = 0;
};

// A fit checked on answers it has not seen.
struct MemoryFit {
    MemoryWeights weights{};  // fitted to the answers before the held-out ones
    MemoryWeights currentWeights{};
    int answers = 0;
    int heldOutAnswers = 0;  // the held-out answers with a prediction, which the figures are of
    HeldOutFigures defaults;
    HeldOutFigures current;
    HeldOutFigures fitted;
    // The fitted weights predicted the held-out answers with a lower log
    // loss than the current ones: only then does the drill take them.
    bool kept = false;
};

// Fits the weights to all but the latest answers (kHeldOutShare of them, by
// time) and sets their predictions of those against the current weights'
// and the defaults'. The held-out answers are predicted after replaying
// every answer before them. Once a stop is requested through `stop` the
// result means nothing and is not to be used: the drill asks it when its
// window closes in the middle of a fit.
MemoryFit fitMemoryModel(const std::vector<CardAnswer>& answers, const MemoryWeights& current,
                         std::stop_token stop = {});
