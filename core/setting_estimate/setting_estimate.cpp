#include "core/setting_estimate/setting_estimate.h"

#include <algorithm>
#include <cmath>

namespace setting_estimate {

std::variant<std::monostate, Fault> faultIn(const Counts& counts, const PerSetting& prior)
{
    if (counts.games < 0 || counts.big < 0 || counts.reg < 0)
        return Fault::NegativeCount;
    // Each term alone is at most games, so the sum is compared without overflow.
    if (counts.big > counts.games || counts.reg > counts.games - counts.big)
        return Fault::MoreBonusesThanGames;
    for (const double weight : prior)
        if (!std::isfinite(weight) || weight <= 0)
            return Fault::BadPrior;
    return std::monostate{};
}

std::variant<Estimate, Fault> estimate(const Counts& counts, const PerSetting& prior)
{
    if (const auto fault = faultIn(counts, prior); std::holds_alternative<Fault>(fault))
        return std::get<Fault>(fault);

    const auto games = static_cast<double>(counts.games);
    const auto big = static_cast<double>(counts.big);
    const auto reg = static_cast<double>(counts.reg);
    const double neither = static_cast<double>(counts.games - counts.big - counts.reg);
    Estimate result;
    PerSetting logWeight{};
    for (int s = 1; s <= setting_odds::kSettings; ++s) {
        const double pBig = setting_odds::bigChance(s);
        const double pReg = setting_odds::regChance(s);
        // log(prior) + B log pB + R log pR + (G - B - R) log(1 - pB - pR); the
        // multinomial coefficient is the same for every setting and cancels.
        logWeight[s - 1] = std::log(prior[s - 1]) + big * std::log(pBig) + reg * std::log(pReg) +
                           neither * std::log1p(-(pBig + pReg));
        result.expectedBig[s - 1] = games * pBig;
        result.expectedReg[s - 1] = games * pReg;
    }
    // log-sum-exp: the largest weight is taken out before exponentiating.
    const double largest = *std::max_element(logWeight.begin(), logWeight.end());
    double total = 0;
    for (int i = 0; i < setting_odds::kSettings; ++i) {
        result.probability[i] = std::exp(logWeight[i] - largest);
        total += result.probability[i];
    }
    for (int i = 0; i < setting_odds::kSettings; ++i) {
        result.probability[i] /= total;
        result.meanSetting += (i + 1) * result.probability[i];
        if (i + 1 >= 4)
            result.fourOrHigher += result.probability[i];
    }
    return result;
}

}  // namespace setting_estimate
