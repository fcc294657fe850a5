#pragma once

#include "core/evaluation/flag_table.h"
#include "core/random/seeded_random.h"

#include <array>
#include <cstdint>
#include <optional>

// The lottery of a game while no bonus is held: BIG and REG at the setting
// table's odds for the setting in play, the small prizes at assumed odds.
namespace play {

// The small prizes' odds, one in so many games: assumptions, not the
// machine's published figures, so the player may change them.
struct SmallPrizeOdds {
    double replay = 7.3;
    double cherry = 36;
    double bell = 8.0;
    double ice = 64;

    friend bool operator==(const SmallPrizeOdds&, const SmallPrizeOdds&) = default;
};

enum class OddsFault {
    NotOneInSome,  // an odds below 1 in 1, or not a finite number
    MoreThanSure,  // the prizes and the bonuses together more likely than 1 at some setting
};

std::optional<OddsFault> faultIn(const SmallPrizeOdds& odds);

// The chance of each flag in one game, in the order of Flag; None takes what
// the others leave.
std::array<double, kFlagCount> flagChances(int setting, const SmallPrizeOdds& odds);

class Lottery {
public:
    // `setting` 1..6; `odds` must have no fault.
    Lottery(int setting, const SmallPrizeOdds& odds);

    Flag draw(SeededRandom& random) const;

private:
    // One draw below 2^30 picks the flag whose band it falls in: each band
    // is its chance to within 2^-30.
    static constexpr int kDrawRange = 1 << 30;
    std::array<std::int64_t, kFlagCount> bandEnds_{};  // cumulative, in the order of Flag, from Replay on
};

}  // namespace play
