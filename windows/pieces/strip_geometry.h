#pragma once

#include "core/reels/positions.h"
#include "ui/twips.h"

// Where a reel's strip picture stands, in twips (15 twips make one pixel).
// The strip at cell index i stands at topOfIndex(i); index 0 stands one whole
// strip turn above index 21 and shows the same cells.
namespace strip {

constexpr int kCellPitch = 950;   // height of one cell
constexpr int kIndexZeroTop = -19630;
constexpr int kDesignTop = -19680;  // where the strips stand until first moved

// A cell in screen pixels; its edges fall between pixels, as the reel window rounds them.
constexpr double kCellPx = static_cast<double>(kCellPitch) / ui::kTwipsPerPixel;
// The strip pictures' width in pixels.
constexpr int kWidthPx = 100;

// The band of the window in which the strips can be seen: the title plate
// covers them above it, the lower plate below it.
constexpr int kShownTop = 615;
constexpr int kShownBottom = 4680;

constexpr int topOfIndex(int index)
{
    return kCellPitch * index + kIndexZeroTop;
}

}  // namespace strip
