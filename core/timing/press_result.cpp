#include "core/timing/press_result.h"

#include "core/reels/symbols_in_words.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace timing {
namespace {

std::u16string number(long long value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

PressResult pressAt(const ReelSpin& spin, const Target& target, int slip, std::int64_t pressUs)
{
    const std::int64_t units = spin.turnedUnits(pressUs);
    const std::int64_t first = spin.nextAlignedStep(pressUs);
    const auto isTarget = [&](std::int64_t s) { return reel::symbolOf(target.reel, spin.cellAfter(s, target.row)) == target.symbol; };
    // From the ideal moment of the passage at step s: half a cell before it stands on the row.
    const auto distance = [&](std::int64_t s) { return units - (s * ReelSpin::kCellUnits - ReelSpin::kCellUnits / 2); };

    std::int64_t stopped = first;
    std::optional<std::int64_t> aimed;
    for (std::int64_t s = first; s <= first + slip; ++s) {
        if (isTarget(s)) {
            stopped = s;
            aimed = s;
            break;
        }
    }
    if (!aimed) {
        // Every symbol is on every strip, so one passage lies within 21 cells.
        for (std::int64_t s = first - reel::kPositions; s <= first + reel::kPositions; ++s) {
            if (isTarget(s) && (!aimed || std::llabs(distance(s)) <= std::llabs(distance(*aimed))))
                aimed = s;
        }
    }

    PressResult result;
    result.stopSteps = stopped;
    result.stoppedUpperPosition = spin.cellAfter(stopped, Upper);
    result.stoppedCell = spin.cellAfter(stopped, target.row);
    result.targetCell = spin.cellAfter(*aimed, target.row);
    result.hit = stopped == *aimed;
    result.cellsOff = int(stopped - *aimed);
    result.offsetCells = double(distance(*aimed)) / double(ReelSpin::kCellUnits);
    result.offsetMs = double(distance(*aimed)) / (double(reel::kPositions) * spin.rpm) / 1000.0;
    return result;
}

std::u16string signedMs(double ms)
{
    const long long whole = std::llround(ms);
    if (whole == 0)
        return u"0 ms";
    return (whole < 0 ? u"\u2212" : u"+") + number(std::llabs(whole)) + u" ms";
}

std::u16string cellsOffText(double cells)
{
    const long long tenths = std::llround(std::abs(cells) * 10);
    if (tenths == 0)
        return u"ぴったり";
    return number(tenths / 10) + u"." + number(tenths % 10) + (cells < 0 ? u" コマ早い" : u" コマ遅い");
}

std::u16string resultText(const PressResult& result)
{
    std::u16string words;
    if (result.hit)
        words = u"命中";
    else
        words = number(std::abs(result.cellsOff)) + (result.cellsOff < 0 ? u" コマ早い" : u" コマ遅い");
    return words + u" (" + signedMs(result.offsetMs) + u")";
}

std::u16string targetText(const Target& target)
{
    return std::u16string(reel::nameOf(target.reel)) + u" " + std::u16string(reel::rowName(target.row)) + u"に "
        + std::u16string(reel::nameOf(target.symbol));
}

}  // namespace timing
