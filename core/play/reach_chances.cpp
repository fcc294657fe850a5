#include "core/play/reach_chances.h"

#include "core/evaluation/judgement.h"

#include <algorithm>

namespace play {

namespace {

constexpr int kStates = reel::kPositions + 1;  // 0 (turning) and 1..21

}  // namespace

int ReachChances::indexOf(const Stops& stops)
{
    return (stops[0] * kStates + stops[1]) * kStates + stops[2];
}

ReachChances::ReachChances(CodeSet codes) : chances_(kStates * kStates * kStates, 0.0)
{
    if (codes.empty())
        return;
    // From three reels stopped back to none: a partial stop's chance needs
    // those of the stops one more reel on.
    for (int stopped = 3; stopped >= 0; --stopped) {
        for (int index = 0; index < kStates * kStates * kStates; ++index) {
            const Stops stops = {index / (kStates * kStates), index / kStates % kStates, index % kStates};
            if (std::count(stops.begin(), stops.end(), 0) != 3 - stopped)
                continue;
            if (stopped == 3) {
                chances_[index] = codes.contains(outcomeCodeOf({stops[0], stops[1], stops[2]})) ? 1.0 : 0.0;
                continue;
            }
            double worst = 1;
            for (int which = 0; which < 3; ++which) {
                if (stops[which] != 0)
                    continue;
                double served = 0;
                for (int press = 1; press <= reel::kPositions; ++press) {
                    double best = 0;
                    Stops next = stops;
                    for (int slide = 0; slide <= kMaxSlide; ++slide) {
                        next[which] = slidTo(press, slide);
                        best = std::max(best, chances_[indexOf(next)]);
                    }
                    served += best;
                }
                worst = std::min(worst, served / reel::kPositions);
            }
            chances_[index] = worst;
        }
    }
}

}  // namespace play
