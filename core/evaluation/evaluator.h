#pragma once

#include "core/evaluation/tables/grids.h"

#include <cstdint>
#include <string>

// Judges one stopped pattern for one left reel position: given the center and
// right upper-row positions it tells the commentary and the cheer.
class Evaluator {
public:
    explicit Evaluator(const ReachMeGrid& grid) : grid_(grid) {}

    std::int16_t r2jyoudan = 0;  // center upper-row position, 1..21
    std::int16_t r3jyoudan = 0;  // right upper-row position, 1..21
    std::u16string yakumei;      // commentary of the last evaluation
    std::u16string tamaya;       // cheer of the last evaluation, or empty

    // Always clears the cheer first, so that no cheer carries over. A pair
    // outside the grid is no pattern: the commentary then stays as it was.
    void yaku();  // yaku: judge the pattern

private:
    const ReachMeGrid& grid_;
};
