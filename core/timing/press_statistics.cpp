#include "core/timing/press_statistics.h"

#include "core/timing/press_result.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace timing {

OffsetSummary OffsetSums::summary() const
{
    OffsetSummary s;
    s.presses = presses;
    s.hits = hits;
    if (presses > 0)
        s.meanMs = sumMs / presses;
    if (presses > 1)
        s.spreadMs = std::sqrt(std::max(0.0, (squaresMs - sumMs * sumMs / presses) / (presses - 1)));
    return s;
}

void PressStatistics::add(Symbol symbol, bool hit, double offsetMs, double offsetCells)
{
    addSums(symbol, {1, hit ? 1 : 0, offsetMs, offsetMs * offsetMs});
    addRecent(offsetMs, offsetCells);
}

void PressStatistics::addSums(Symbol symbol, const OffsetSums& more)
{
    for (OffsetSums* sums : {&overall_, &bySymbol_[static_cast<int>(symbol)]}) {
        sums->presses += more.presses;
        sums->hits += more.hits;
        sums->sumMs += more.sumMs;
        sums->squaresMs += more.squaresMs;
    }
}

void PressStatistics::addRecent(double offsetMs, double offsetCells)
{
    recentMs_.push_back(offsetMs);
    recentCells_.push_back(offsetCells);
    if (int(recentMs_.size()) > kRecentCount) {
        recentMs_.pop_front();
        recentCells_.pop_front();
    }
}

std::vector<int> PressStatistics::histogram(double binMs, int bins) const
{
    std::vector<int> counts(bins, 0);
    for (double ms : recentMs_) {
        const int bin = int(std::floor(ms / binMs + bins / 2.0));
        ++counts[std::clamp(bin, 0, bins - 1)];
    }
    return counts;
}

std::u16string PressStatistics::biasHint() const
{
    const int n = int(recentCells_.size());
    if (n < kHintAfter)
        return {};
    const double mean = std::accumulate(recentCells_.begin(), recentCells_.end(), 0.0) / n;
    double squares = 0;
    for (double c : recentCells_)
        squares += (c - mean) * (c - mean);
    const double standardError = std::sqrt(squares / (n - 1) / n);
    if (std::abs(mean) < 0.25 || std::abs(mean) <= 2 * standardError)
        return {};
    return u"平均 " + cellsOffText(mean) + (mean > 0 ? u": 少し早めに押しましょう" : u": 少し遅めに押しましょう");
}

}  // namespace timing
