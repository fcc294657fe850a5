#pragma once

#include "core/drill/memory/grade.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <type_traits>

// The weights w0..w20 of the memory model.
inline constexpr std::size_t kMemoryWeightCount = 21;
using MemoryWeights = std::array<double, kMemoryWeightCount>;

// What the memory model knows of one learned card. The drill keeps it in
// plain numbers; the fit follows it in numbers that carry their derivatives
// by the weights (dual_number.h).
template <typename Number>
struct MemoryOf {
    Number stability{};   // days until recall falls to 90 %
    Number difficulty{};  // 1 (easy) to 10 (hard)

    friend bool operator==(const MemoryOf&, const MemoryOf&) = default;
};
using Memory = MemoryOf<double>;

// The plain value of a number; the fit's numbers overload it.
constexpr double valueOf(double number)
{
    return number;
}

// The FSRS memory model, version 6, with a set of weights w0..w20: the
// published defaults unless fitted to the player's own answers. Written from
// the published formulas (open-spaced-repetition, "The Algorithm"), with G
// the grade 1..4, t the days since the last review:
//   R(t, S)   = (1 + F·t/S)^(−w20),  F = 0.9^(−1/w20) − 1
//   I(r, S)   = S/F · (r^(−1/w20) − 1)                        the interval for retention r
//   S0(G)     = w[G−1]
//   D0(G)     = w4 − e^(w5·(G−1)) + 1
//   D'        = D + (−w6·(G−3))·(10 − D)/9
//   D''       = w7·D0(4) + (1 − w7)·D'                           clamped to 1..10
//   S'recall  = S·(e^w8·(11 − D)·S^(−w9)·(e^(w10·(1−R)) − 1)·[w15 if Hard]·[w16 if Easy] + 1)
//   S'forget  = min(S, w11·D^(−w12)·((S + 1)^w13 − 1)·e^(w14·(1−R)))
//   S'sameday = S·e^(w17·(G − 3 + w18))·S^(−w19), not below S for Good and Easy
// The one set of formulas serves the drill in plain numbers and the fit in
// numbers that carry their derivatives, so that the fit tunes the very model
// the drill schedules with.
template <typename Number>
class MemoryModelOf {
public:
    using Weights = std::array<Number, kMemoryWeightCount>;

    static constexpr MemoryWeights kDefaultWeights = {0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,
        1.8722, 0.1666, 0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    static constexpr double kLeastStability = 0.001;

    // The model with the published default weights.
    MemoryModelOf()
        requires std::is_same_v<Number, double>
        : MemoryModelOf(kDefaultWeights)
    {
    }

    explicit MemoryModelOf(const Weights& weights)
        : w_(weights),
          factor_(pow(0.9, -1.0 / weights[20]) - 1.0),
          easiestDifficulty_(initialDifficulty(weights, Grade::Easy))
    {
    }

    const Weights& weights() const { return w_; }

    // The probability of recall after `days` with stability `stability`.
    Number retrievability(double days, const Number& stability) const
    {
        return pow(1.0 + factor_ * std::max(days, 0.0) / stability, -w_[20]);
    }

    // The days after which recall falls to `retention`.
    Number intervalDays(const Number& stability, double retention) const
    {
        return stability / factor_ * (pow(retention, -1.0 / w_[20]) - 1.0);
    }

    // The memory after the first answer to a card.
    MemoryOf<Number> first(Grade grade) const
    {
        return {atLeast(w_[static_cast<std::size_t>(grade) - 1], kLeastStability),
            clamped(initialDifficulty(w_, grade), 1.0, 10.0)};
    }

    // The memory after an answer `days` after the last one; a review on the
    // same day (under one day later) follows the short-term formula.
    MemoryOf<Number> next(const MemoryOf<Number>& memory, double days, Grade grade) const
    {
        const Number& s = memory.stability;
        const Number& d = memory.difficulty;
        const double g = static_cast<double>(grade);
        const Number change = -w_[6] * (g - 3.0) * (10.0 - d) / 9.0;
        const Number difficulty = clamped(w_[7] * easiestDifficulty_ + (1.0 - w_[7]) * (d + change), 1.0, 10.0);

        Number stability;
        if (days < 1.0) {
            Number growth = exp(w_[17] * (g - 3.0 + w_[18])) * pow(s, -w_[19]);
            if (grade >= Grade::Good)
                growth = atLeast(growth, 1.0);
            stability = s * growth;
        } else {
            const Number r = retrievability(days, s);
            if (grade == Grade::Again) {
                stability = smaller(s, w_[11] * pow(d, -w_[12]) * (pow(s + 1.0, w_[13]) - 1.0) *
                                           exp(w_[14] * (1.0 - r)));
            } else {
                Number growth = exp(w_[8]) * (11.0 - d) * pow(s, -w_[9]) * (exp(w_[10] * (1.0 - r)) - 1.0);
                if (grade == Grade::Hard)
                    growth = growth * w_[15];
                if (grade == Grade::Easy)
                    growth = growth * w_[16];
                stability = s * (growth + 1.0);
            }
        }
        return {atLeast(stability, kLeastStability), difficulty};
    }

    friend bool operator==(const MemoryModelOf& a, const MemoryModelOf& b) { return a.w_ == b.w_; }

private:
    static Number exp(const Number& x)
    {
        using std::exp;
        return exp(x);
    }
    template <typename Base, typename Power>
    static Number pow(const Base& base, const Power& power)
    {
        using std::pow;
        return pow(base, power);
    }
    // std::max, std::min and std::clamp, comparing by value.
    static Number atLeast(const Number& x, double least) { return valueOf(x) < least ? Number(least) : x; }
    static Number smaller(const Number& a, const Number& b) { return valueOf(b) < valueOf(a) ? b : a; }
    static Number clamped(const Number& x, double low, double high)
    {
        return valueOf(x) < low ? Number(low) : high < valueOf(x) ? Number(high) : x;
    }

    static Number initialDifficulty(const Weights& w, Grade grade)
    {
        return w[4] - exp(w[5] * (static_cast<double>(grade) - 1.0)) + 1.0;
    }

    Weights w_;
    Number factor_;             // F
    Number easiestDifficulty_;  // D0(4), where difficulty reverts to
};

using MemoryModel = MemoryModelOf<double>;
extern template class MemoryModelOf<double>;
