#include "core/timing/press_result.h"

#include "core/reels/symbols_in_words.h"

#include <cmath>
#include <cstdlib>

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
    const std::int64_t step = units / ReelSpin::kCellUnits;
    const auto isTarget = [&](std::int64_t s) { return reel::symbolOf(target.reel, spin.cellAfter(s, target.row)) == target.symbol; };

    std::int64_t stopped = step;
    std::int64_t aimed = -1;
    for (std::int64_t s = step; s <= step + slip; ++s) {
        if (isTarget(s)) {
            stopped = aimed = s;
            break;
        }
    }
    const auto distance = [&](std::int64_t s) { return units - (s * ReelSpin::kCellUnits + ReelSpin::kCellUnits / 2); };
    if (aimed < 0) {
        // Every symbol is on every strip, so one passage lies within 21 cells.
        for (std::int64_t s = step - reel::kPositions; s <= step + reel::kPositions; ++s) {
            if (isTarget(s) && (aimed < 0 || std::llabs(distance(s)) <= std::llabs(distance(aimed))))
                aimed = s;
        }
    }

    PressResult result;
    result.stoppedUpperPosition = spin.cellAfter(stopped, Upper);
    result.stoppedCell = spin.cellAfter(stopped, target.row);
    result.hit = stopped == aimed;
    result.cellsOff = int(stopped - aimed);
    result.offsetCells = double(distance(aimed)) / double(ReelSpin::kCellUnits);
    result.offsetMs = double(distance(aimed)) / (double(reel::kPositions) * spin.rpm) / 1000.0;
    return result;
}

std::u16string signedMs(double ms)
{
    const long long whole = std::llround(ms);
    if (whole == 0)
        return u"0 ms";
    return (whole < 0 ? u"\u2212" : u"+") + number(std::llabs(whole)) + u" ms";
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
