#include "core/timing/reel_spin.h"

namespace timing {

std::int64_t ReelSpin::turnedUnits(std::int64_t nowUs) const
{
    const std::int64_t elapsed = nowUs > startUs ? nowUs - startUs : 0;
    return elapsed * reel::kPositions * rpm;
}

double ReelSpin::exactCellsTurned(std::int64_t nowUs) const
{
    return double(turnedUnits(nowUs)) / double(kCellUnits);
}

ReelSpin ReelSpin::withRpm(int newRpm, std::int64_t nowUs) const
{
    const std::int64_t units = turnedUnits(nowUs);
    // The part of the current cell already passed, taken at the new speed;
    // rounded down, so that it never reaches the next cell.
    const std::int64_t intoCellUs = units % kCellUnits / (21 * std::int64_t{newRpm});
    return {newRpm, cellAfter(units / kCellUnits, Upper), (nowUs > startUs ? nowUs : startUs) - intoCellUs};
}

int ReelSpin::cellAfter(std::int64_t steps, Row row) const
{
    const std::int64_t zeroBased = (startPosition - 1 + row - steps) % reel::kPositions;
    return int(zeroBased < 0 ? zeroBased + reel::kPositions : zeroBased) + 1;
}

}  // namespace timing
