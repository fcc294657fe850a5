#include "core/timing/reel_spin.h"

#include <algorithm>

namespace timing {

std::int64_t ReelSpin::turnedUnits(std::int64_t nowUs) const
{
    const std::int64_t elapsed = nowUs > startUs ? nowUs - startUs : 0;
    const std::int64_t turned = elapsed * reel::kPositions * rpm;
    return stopSteps ? std::min(turned, *stopSteps * kCellUnits) : turned;
}

double ReelSpin::exactCellsTurned(std::int64_t nowUs) const
{
    return double(turnedUnits(nowUs)) / double(kCellUnits);
}

std::int64_t ReelSpin::nextAlignedStep(std::int64_t nowUs) const
{
    return (turnedUnits(nowUs) + kCellUnits - 1) / kCellUnits;
}

std::int64_t ReelSpin::momentOfStep(std::int64_t steps) const
{
    const std::int64_t perUs = std::int64_t{reel::kPositions} * rpm;
    return startUs + (steps * kCellUnits + perUs - 1) / perUs;
}

ReelSpin ReelSpin::stoppingAfter(std::int64_t steps) const
{
    ReelSpin stopping = *this;
    stopping.stopSteps = steps;
    return stopping;
}

std::optional<std::int64_t> ReelSpin::standUs() const
{
    if (!stopSteps)
        return std::nullopt;
    return momentOfStep(*stopSteps);
}

ReelSpin ReelSpin::withRpm(int newRpm, std::int64_t nowUs) const
{
    const std::int64_t units = turnedUnits(nowUs);
    // The part of the current cell already passed, taken at the new speed;
    // rounded down, so that it never reaches the next cell.
    const std::int64_t intoCellUs = units % kCellUnits / (21 * std::int64_t{newRpm});
    ReelSpin changed{newRpm, cellAfter(units / kCellUnits, Upper), (nowUs > startUs ? nowUs : startUs) - intoCellUs};
    if (stopSteps)
        changed.stopSteps = *stopSteps - units / kCellUnits;
    return changed;
}

int ReelSpin::cellAfter(std::int64_t steps, Row row) const
{
    const std::int64_t zeroBased = (startPosition - 1 + row - steps) % reel::kPositions;
    return int(zeroBased < 0 ? zeroBased + reel::kPositions : zeroBased) + 1;
}

}  // namespace timing
