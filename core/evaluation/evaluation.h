#pragma once

#include "core/evaluation/evaluator.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The evaluator class that serves a left upper-row position: its number, which
// is the position itself except that 15 and 18 share class 4. 0 for a position
// off the reel.
int evaluatorClassOf(int leftPosition);

// The grid of an evaluator class, or null for a number no class has.
const ReachMeGrid* gridOfClass(int evaluatorClass);

// Reads a stopped pattern from where the three strips stand and judges it with
// the evaluator of the left position. Each evaluator is created on first use
// and kept.
class Evaluation {
public:
    // yaku: reads and judges the pattern where the left, center and right
    // strip pictures stand (their tops, in twips).
    void yaku(double leftTop, double centerTop, double rightTop);

    std::u16string readOut;  // the three positions, such as "1-17-10"
    std::int16_t r1jyoudan = 0;  // jyoudan, "upper row": the left reel's upper-row position
    std::int16_t r2jyoudan = 0;  // the center reel's
    std::int16_t r3jyoudan = 0;  // the right reel's
    std::u16string yakumei;  // commentary of the last judged pattern
    std::u16string tamaya;   // its cheer, or empty

    // The instance of an evaluator class, or null while it has not been used.
    const Evaluator* instanceOf(int evaluatorClass) const;

private:
    std::array<std::unique_ptr<Evaluator>, 22> evaluators_;  // by class number
};
