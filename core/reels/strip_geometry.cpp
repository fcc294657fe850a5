#include "core/reels/strip_geometry.h"

#include <algorithm>
#include <cmath>

namespace strip {

std::int16_t positionAt(double top)
{
    const double cells = (top - kIndexZeroTop) / kCellPitch;
    if (std::isnan(cells))
        return 0;
    // Far-off placements only need to stay off the reel, and inside 16 bits.
    double index = std::nearbyint(std::clamp(cells, -1000.0, 1000.0));
    if (index == 0)
        index = reel::kPositions;
    return static_cast<std::int16_t>(reel::kPositions + 1 - index);
}

}  // namespace strip
