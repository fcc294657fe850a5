#pragma once

#include "core/evaluation/legend.h"
#include "core/reels/positions.h"

#include <array>

// The whole judgement of one evaluator: an outcome code for every pair of
// center and right upper-row positions 1..21.
class ReachMeGrid {
public:
    // Each row spells its 21 codes with two blanks between them, so that a table
    // file reads like the printed grid. A malformed row does not compile.
    consteval ReachMeGrid(const char* const (&rows)[reel::kPositions])
    {
        for (int center = 0; center < reel::kPositions; ++center) {
            const char* row = rows[center];
            for (int right = 0; right < reel::kPositions; ++right) {
                const char code = row[3 * right];
                if (!isOutcomeCode(code))
                    throw "not an outcome code";
                codes_[center][right] = code;
                if (right + 1 < reel::kPositions && (row[3 * right + 1] != ' ' || row[3 * right + 2] != ' '))
                    throw "codes must stand two blanks apart";
            }
            if (row[3 * reel::kPositions - 2] != '\0')
                throw "a row holds 21 codes";
        }
    }

    // Positions must be 1..21.
    constexpr char code(int center, int right) const { return codes_[center - 1][right - 1]; }

private:
    std::array<std::array<char, reel::kPositions>, reel::kPositions> codes_{};
};

// One grid per evaluator, named by its class number: the left position it
// serves (kGrid4 serves left positions 4, 15 and 18).
extern const ReachMeGrid kGrid1, kGrid2, kGrid3, kGrid4, kGrid5, kGrid6, kGrid7, kGrid8, kGrid9,
    kGrid10, kGrid11, kGrid12, kGrid13, kGrid14, kGrid16, kGrid17, kGrid19, kGrid20, kGrid21;
