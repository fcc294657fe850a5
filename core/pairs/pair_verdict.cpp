#include "core/pairs/pair_verdict.h"

#include "core/evaluation/judgement.h"

#include <cstdlib>
#include <numeric>

namespace {

constexpr std::size_t groupNamed(std::string_view key)
{
    for (std::size_t index = 0; index < kOutcomeGroups.size(); ++index)
        if (kOutcomeGroups[index].key == key)
            return index;
    std::abort();  // a key of kOutcomeGroups
}

constexpr std::size_t kBig = groupNamed("big");
constexpr std::size_t kReg = groupNamed("reg");
constexpr std::size_t kBothBonuses = groupNamed("br");
constexpr std::size_t kReachNoStop = groupNamed("reachNoStop");
constexpr std::size_t kNoStop = groupNamed("noStop");

PairVerdict verdictOf(const std::array<int, kOutcomeGroups.size()>& standing)
{
    const int all = std::accumulate(standing.begin(), standing.end(), 0);
    if (all == 0)
        return PairVerdict::NoStop;
    if (standing[kBig] == all)
        return PairVerdict::Big;
    if (standing[kReg] == all)
        return PairVerdict::Reg;
    if (standing[kBig] + standing[kReg] + standing[kBothBonuses] == all)
        return PairVerdict::Bonus;
    return PairVerdict::Open;
}

}  // namespace

Pattern completionOf(StopOrder order, const StoppedPair& pair, int third)
{
    return order == StopOrder::LeftCenter ? Pattern{pair.left, pair.second, third}
                                          : Pattern{pair.left, third, pair.second};
}

bool letsStand(char code)
{
    const auto group = static_cast<std::size_t>(groupIndexOf(code));
    return group != kReachNoStop && group != kNoStop;
}

PairReading readPair(StopOrder order, const StoppedPair& pair)
{
    PairReading reading;
    for (int third = 1; third <= reel::kPositions; ++third) {
        const char code = outcomeCodeOf(completionOf(order, pair, third));
        if (letsStand(code))
            ++reading.standing[static_cast<std::size_t>(groupIndexOf(code))];
    }
    reading.verdict = verdictOf(reading.standing);
    return reading;
}

std::array<int, kPairVerdicts.size()> verdictCounts(StopOrder order)
{
    std::array<int, kPairVerdicts.size()> counts{};
    for (int left = 1; left <= reel::kPositions; ++left)
        for (int second = 1; second <= reel::kPositions; ++second)
            ++counts[static_cast<std::size_t>(verdictIndexOf(readPair(order, {left, second}).verdict))];
    return counts;
}
