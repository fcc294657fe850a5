#pragma once

#include "core/reels/positions.h"

#include <cstdint>

// Where a reel's strip picture stands, in twips (15 twips make one pixel).
// A reel moves by its cell index 0..21; index i shows upper-row position 22 - i,
// and index 0 shows position 1 like index 21, one whole strip turn higher.
namespace strip {

constexpr int kCellPitch = 950;   // height of one cell
constexpr int kIndexZeroTop = -19630;
constexpr int kDesignTop = -19680;  // where the strips stand until first moved

// The band of the window in which the strips can be seen: the title plate
// covers them above it, the lower plate below it.
constexpr int kShownTop = 615;
constexpr int kShownBottom = 4680;

constexpr int topOfIndex(int index)
{
    return kCellPitch * index + kIndexZeroTop;
}

constexpr int positionOfIndex(int index)
{
    return index == 0 ? 1 : reel::kPositions + 1 - index;
}

// The upper-row position that a strip standing at `top` shows. The placement
// is taken to the nearest cell, halves to even, so that a strip kept in whole
// pixels still reads right. A placement off the strip's range reads outside 1..21.
std::int16_t positionAt(double top);

}  // namespace strip
