#pragma once

#include "core/drill/figures/true_retention.h"
#include "core/drill/memory/card_answer.h"
#include "core/drill/memory/memory_fit.h"
#include "core/drill/memory/prediction_figures.h"
#include "core/drill/schedule/card_schedule.h"
#include "core/drill/schedule/card_state.h"

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

// What the drill asks of the work on its memory model, which runs beside it.
struct MemoryRequest {
    enum class Fit { Never, IfDue, Now };  // in rising order: a request for more takes in one for less
    Fit fit = Fit::Never;
    MemoryWeights inUse = MemoryModel::kDefaultWeights;
    std::int64_t answersAtLastFit = 0;  // 0 before any fit
    std::int64_t nowMs = 0;             // UTC
    double retention = kDefaultRetention;
    int cardCount = 0;  // the deck's cards, numbered 0..cardCount − 1 in the answers
};

// What came of it.
struct MemoryWork {
    int answers = 0;  // the answers it read
    std::optional<MemoryFit> fit;
    // With a kept fit: each card's state replayed through the fitted weights.
    std::vector<CardState> replayed;
    // How the weights in use after it predicted the latest fifth of the
    // answers (the share a fit holds out), having replayed all before them.
    std::vector<CalibrationBin> calibration;
    TrueRetention lastWeek;
    TrueRetention lastMonth;
};

// Whether the work on `answers` answers fits: asked to, or due by fitIsDue.
bool fitWanted(const MemoryRequest& request, int answers);

// Fits the memory model to `answers` (in time order) when fitWanted, and works out the figures the drill shows of them.
// A stop requested through `stop` ends a fit within moments; the work is
// then of no use.
MemoryWork memoryWork(const std::vector<CardAnswer>& answers, const MemoryRequest& request, std::stop_token stop = {});

// The cards' states with the replayed ones taken where the replay met every
// answer the card has had (the same count and the same latest answer): a
// card answered since the history was read, or whose answers were not all
// kept, keeps its own.
std::vector<CardState> withReplayedStates(std::vector<CardState> states, const std::vector<CardState>& replayed);
