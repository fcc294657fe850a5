#pragma once

#include "core/drill/memory/grade.h"

#include <array>

// What the memory model knows of one learned card.
struct Memory {
    double stability = 0;   // days until recall falls to 90 %
    double difficulty = 0;  // 1 (easy) to 10 (hard)

    friend bool operator==(const Memory&, const Memory&) = default;
};

// The FSRS memory model, version 6, with its default parameters w0..w20.
// Written from the published formulas (open-spaced-repetition, "The
// Algorithm"), with G the grade 1..4, t the days since the last review:
//   R(t, S)   = (1 + F·t/S)^(−w20),  F = 0.9^(−1/w20) − 1
//   I(r, S)   = S/F · (r^(−1/w20) − 1)                        the interval for retention r
//   S0(G)     = w[G−1]
//   D0(G)     = w4 − e^(w5·(G−1)) + 1
//   D'        = D + (−w6·(G−3))·(10 − D)/9
//   D''       = w7·D0(4) + (1 − w7)·D'                           clamped to 1..10
//   S'recall  = S·(e^w8·(11 − D)·S^(−w9)·(e^(w10·(1−R)) − 1)·[w15 if Hard]·[w16 if Easy] + 1)
//   S'forget  = min(S, w11·D^(−w12)·((S + 1)^w13 − 1)·e^(w14·(1−R)))
//   S'sameday = S·e^(w17·(G − 3 + w18))·S^(−w19), not below S for Good and Easy
class MemoryModel {
public:
    static constexpr std::array<double, 21> kDefaultWeights = {0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334,
        3.0194, 0.001, 1.8722, 0.1666, 0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912,
        0.0658, 0.1542};
    static constexpr double kLeastStability = 0.001;

    // The probability of recall after `days` with stability `stability`.
    static double retrievability(double days, double stability);

    // The days after which recall falls to `retention`.
    static double intervalDays(double stability, double retention);

    // The memory after the first answer to a card.
    static Memory first(Grade grade);

    // The memory after an answer `days` after the last one; a review on the
    // same day (under one day later) follows the short-term formula.
    static Memory next(const Memory& memory, double days, Grade grade);

private:
    static double initialDifficulty(Grade grade);
};
