#include "core/play/lottery.h"

#include "core/setting_estimate/setting_odds.h"

#include <cmath>

namespace play {

std::optional<OddsFault> faultIn(const SmallPrizeOdds& odds)
{
    for (const double oneIn : {odds.replay, odds.cherry, odds.bell, odds.ice}) {
        if (!std::isfinite(oneIn) || !(oneIn >= 1))
            return OddsFault::NotOneInSome;
    }
    for (int setting = 1; setting <= setting_odds::kSettings; ++setting) {
        if (flagChances(setting, odds)[static_cast<int>(Flag::None)] < 0)
            return OddsFault::MoreThanSure;
    }
    return std::nullopt;
}

std::array<double, kFlagCount> flagChances(int setting, const SmallPrizeOdds& odds)
{
    std::array<double, kFlagCount> chances{};
    chances[static_cast<int>(Flag::Replay)] = 1 / odds.replay;
    chances[static_cast<int>(Flag::Cherry)] = 1 / odds.cherry;
    chances[static_cast<int>(Flag::Bell)] = 1 / odds.bell;
    chances[static_cast<int>(Flag::Ice)] = 1 / odds.ice;
    chances[static_cast<int>(Flag::Big)] = setting_odds::bigChance(setting);
    chances[static_cast<int>(Flag::Reg)] = setting_odds::regChance(setting);
    double taken = 0;
    for (int flag = 1; flag < kFlagCount; ++flag)
        taken += chances[flag];
    chances[static_cast<int>(Flag::None)] = 1 - taken;
    return chances;
}

Lottery::Lottery(int setting, const SmallPrizeOdds& odds)
{
    const std::array<double, kFlagCount> chances = flagChances(setting, odds);
    double end = 0;
    for (int flag = 1; flag < kFlagCount; ++flag) {
        end += chances[flag];
        bandEnds_[flag] = std::llround(end * kDrawRange);
    }
}

Flag Lottery::draw(SeededRandom& random) const
{
    const std::int64_t drawn = random.below(kDrawRange);
    for (int flag = 1; flag < kFlagCount; ++flag) {
        if (drawn < bandEnds_[flag])
            return static_cast<Flag>(flag);
    }
    return Flag::None;
}

}  // namespace play
