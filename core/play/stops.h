#pragma once

#include "core/reels/positions.h"

#include <array>

namespace play {

// The upper-row position of each stopped reel (left, center, right), 0 for a
// reel still turning.
using Stops = std::array<int, 3>;

inline constexpr int kMaxSlide = 4;

// Where a reel stands after sliding `slide` cells on from `pressPosition`:
// the upper-row position counts down as the reel turns, 21 after 1.
constexpr int slidTo(int pressPosition, int slide)
{
    return (pressPosition - 1 - slide + 2 * reel::kPositions) % reel::kPositions + 1;
}

}  // namespace play
