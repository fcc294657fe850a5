#pragma once

#include "core/evaluation/code_set.h"
#include "core/play/stops.h"

#include <vector>

namespace play {

// For every partial stop of the reels, the chance that the game ends on a
// pattern of a set of codes: the reels still turning pressed at random
// moments (each of the 21 press positions alike), stopped in the order least
// favourable to the set, and each press served by the slide that serves the
// set best. 1 where every press can be served, 0 where none can, the
// pattern's own membership once all three reels stand.
class ReachChances {
public:
    explicit ReachChances(CodeSet codes);

    double at(const Stops& stops) const { return chances_[indexOf(stops)]; }

private:
    static int indexOf(const Stops& stops);
    std::vector<double> chances_;
};

}  // namespace play
