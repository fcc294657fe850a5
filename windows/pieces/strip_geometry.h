#pragma once

#include "core/reels/positions.h"

// Where a reel's strip picture stands, in twips (15 twips make one pixel).
// The strip at cell index i stands at topOfIndex(i); index 0 stands one whole
// strip turn above index 21 and shows the same cells.
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

}  // namespace strip
