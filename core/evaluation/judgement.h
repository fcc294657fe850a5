#pragma once

#include "core/pattern.h"

#include <string_view>

// What a pattern means, as the reel window's evaluation judges it, under
// the evaluation's own names.
struct Judgement {
    char code;                    // the legend's outcome code
    std::u16string_view yakumei;  // commentary, lines joined by CR LF
    std::u16string_view tamaya;   // the cheer, or empty
};

// The judgement of any pattern, without reels or windows; the pattern must
// be on the reels.
Judgement judge(const Pattern& pattern);

// Its outcome code alone: the cell of the left position's grid.
char outcomeCodeOf(const Pattern& pattern);
