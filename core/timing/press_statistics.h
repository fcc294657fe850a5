#pragma once

#include "core/reels/reel_cells.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

// What the presses so far show, overall and for each symbol aimed at.
namespace timing {

struct OffsetSummary {
    int presses = 0;
    int hits = 0;
    double meanMs = 0;
    double spreadMs = 0;  // standard deviation of the offsets; 0 below two presses

    double hitRate() const { return presses == 0 ? 0 : double(hits) / presses; }
};

// What a run of presses sums up to, from which the summary follows.
struct OffsetSums {
    int presses = 0;
    int hits = 0;
    double sumMs = 0;
    double squaresMs = 0;  // sum of the offsets' squares

    OffsetSummary summary() const;
};

class PressStatistics {
public:
    static constexpr int kRecentCount = 100;
    static constexpr int kHintAfter = 20;

    void add(Symbol symbol, bool hit, double offsetMs, double offsetCells);

    // The two halves of add, for presses kept from before: their sums for
    // a symbol, and the offsets of the recent ones, oldest first.
    void addSums(Symbol symbol, const OffsetSums& sums);
    void addRecent(double offsetMs, double offsetCells);

    OffsetSummary overall() const { return overall_.summary(); }
    OffsetSummary of(Symbol symbol) const { return bySymbol_[static_cast<int>(symbol)].summary(); }

    // The offsets of the last kRecentCount presses, oldest first.
    const std::deque<double>& recentMs() const { return recentMs_; }

    // Counts of the recent offsets in `bins` bins of `binMs` ms, centred on 0;
    // those beyond the edges are counted in the outer bins.
    std::vector<int> histogram(double binMs, int bins) const;

    // Once kHintAfter recent presses lean one way by a quarter cell or more,
    // and by more than twice the uncertainty of their mean:
    // "平均 1.2 コマ遅い: 少し早めに押しましょう". Empty otherwise.
    std::u16string biasHint() const;

private:
    OffsetSums overall_;
    std::array<OffsetSums, 7> bySymbol_{};
    std::deque<double> recentMs_;
    std::deque<double> recentCells_;
};

}  // namespace timing
