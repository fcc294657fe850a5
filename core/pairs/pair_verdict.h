#pragma once

#include "core/outcome_groups.h"
#include "core/pattern.h"
#include "core/reels/reel_cells.h"

#include <array>

// What two stopped reels already tell, whatever the third brings. A player
// stops the left reel first, then the center (順押し) or the right (はさみ打ち);
// the grids say what every third position would complete the pair to.

enum class StopOrder {
    LeftCenter,  // 順押し: left, center, then right
    LeftRight,   // はさみ打ち: left, right, then center
};
inline constexpr std::array<StopOrder, 2> kStopOrders = {StopOrder::LeftCenter, StopOrder::LeftRight};

// The reel stopped second in the order, and the one left to stop.
constexpr reel::Reel secondReelOf(StopOrder order)
{
    return order == StopOrder::LeftCenter ? reel::Center : reel::Right;
}
constexpr reel::Reel thirdReelOf(StopOrder order)
{
    return order == StopOrder::LeftCenter ? reel::Right : reel::Center;
}

// The two reels stopped first: the left reel's upper-row position and the
// second reel's, each 1..21.
struct StoppedPair {
    int left = 1;
    int second = 1;

    friend bool operator==(const StoppedPair&, const StoppedPair&) = default;
};

// The pattern the third reel completes the pair to by stopping at `third`.
Pattern completionOf(StopOrder order, const StoppedPair& pair, int third);

// Whether the machine lets a pattern of this outcome stand: not one whose
// commentary says the reels never stop there (the groups リーチ目だけど止まらない
// and 止まらない). The code must satisfy isOutcomeCode.
bool letsStand(char code);

// What a pair tells, from the most certain. Only completions that stand count.
enum class PairVerdict {
    Big,     // every completion is a BIG meaning
    Reg,     // every one a REG meaning
    Bonus,   // every one a bonus meaning: BIG and REG mixed, or Ｂ＆Ｒ共通
    Open,    // some completion is no bonus
    NoStop,  // no completion can stand
};
// The verdicts in the order the player's answers are offered.
inline constexpr std::array<PairVerdict, 5> kPairVerdicts = {
    PairVerdict::Big, PairVerdict::Reg, PairVerdict::Bonus, PairVerdict::Open, PairVerdict::NoStop};

// The verdict's index in kPairVerdicts, which lists them in their own order.
constexpr int verdictIndexOf(PairVerdict verdict)
{
    return static_cast<int>(verdict);
}
static_assert([] {
    for (std::size_t index = 0; index < kPairVerdicts.size(); ++index)
        if (verdictIndexOf(kPairVerdicts[index]) != static_cast<int>(index))
            return false;
    return true;
}());

// Whether the verdict makes a bonus certain.
constexpr bool isCertainBonus(PairVerdict verdict)
{
    return verdict == PairVerdict::Big || verdict == PairVerdict::Reg || verdict == PairVerdict::Bonus;
}

struct PairReading {
    PairVerdict verdict = PairVerdict::NoStop;
    // How many third positions complete the pair to a pattern that stands,
    // by outcome group in the order of kOutcomeGroups.
    std::array<int, kOutcomeGroups.size()> standing{};
};

// What the pair tells; both positions must lie on their reels.
PairReading readPair(StopOrder order, const StoppedPair& pair);

// How many of the order's 441 pairs tell each verdict, in the order of
// kPairVerdicts.
std::array<int, kPairVerdicts.size()> verdictCounts(StopOrder order);
