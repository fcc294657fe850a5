#pragma once

#include "core/drill/memory/memory_model.h"

#include <cmath>

// Predictions are held this far from 0 and 1, so that one sure prediction
// that went wrong costs a bounded loss (ln 10⁴ ≈ 9.2), not an endless one.
inline constexpr double kRecallMargin = 1e-4;

// The log loss of one answer, right or not, after `recall` was predicted:
// −ln p if right, −ln(1 − p) if wrong. In any number the model runs in.
template <typename Number>
Number answerLogLoss(const Number& recall, bool right)
{
    using std::log;
    const double value = valueOf(recall);
    const Number p = value < kRecallMargin         ? Number(kRecallMargin)
                     : value > 1.0 - kRecallMargin ? Number(1.0 - kRecallMargin)
                                                   : recall;
    return right ? -log(p) : -log(1.0 - p);
}
