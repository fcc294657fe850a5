#pragma once

#include "core/setting_estimate/setting_odds.h"

#include <array>
#include <cstdint>
#include <variant>

// How likely each of the six settings is, given the games played and the
// BIG and REG counts seen, by Bayes' rule over the machine's odds.
namespace setting_estimate {

using PerSetting = std::array<double, setting_odds::kSettings>;

inline constexpr PerSetting kEvenPrior = {1, 1, 1, 1, 1, 1};

struct Counts {
    std::int64_t games = 0;
    std::int64_t big = 0;
    std::int64_t reg = 0;
};

enum class Fault {
    NegativeCount,        // a count below zero
    MoreBonusesThanGames, // BIG + REG > games: a game gives at most one bonus
    BadPrior,             // a prior weight that is not a positive finite number
};

struct Estimate {
    PerSetting probability{};  // sums to 1
    PerSetting expectedBig{};  // BIG counts expected at each setting in this many games
    PerSetting expectedReg{};
    double meanSetting = 0;         // the settings weighted by their probability
    double fourOrHigher = 0;        // the probability of setting 4, 5 or 6
};

// The fault in the counts or the prior, if any.
std::variant<std::monostate, Fault> faultIn(const Counts& counts, const PerSetting& prior);

// The posterior of each setting: prior times the multinomial likelihood of
// the counts (each game a BIG, a REG or neither), normalised. Works in
// logarithms, so any count up to the int64 range neither underflows nor
// overflows. Zero games give the prior, normalised.
std::variant<Estimate, Fault> estimate(const Counts& counts, const PerSetting& prior = kEvenPrior);

}  // namespace setting_estimate
