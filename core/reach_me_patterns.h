#pragma once

#include "core/outcome_groups.h"
#include "core/reels/positions.h"

#include <array>
#include <string>
#include <vector>

// The reach-me table's data: every stop pattern of the three reels, given by
// their upper-row positions 1..21, with the outcome a step would show for it.
namespace patterns {

// How many of a left position's 441 patterns fall in each outcome group, in
// the order of kOutcomeGroups.
std::array<int, kOutcomeGroups.size()> groupCounts(int left);

// The commentary of an outcome line by line, every space kept.
std::vector<std::u16string> commentaryLines(char code);

}  // namespace patterns
