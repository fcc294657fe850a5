#pragma once

#include "core/drill/cards/card_deck.h"
#include "core/outcome_groups.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

// A player who learns what a card means when shown its answer and forgets it
// exponentially, more slowly after each recall. A card never learned is a
// guess among the eight groups.
class SimulatedLearner {
public:
    static constexpr double kFirstStabilityDays = 0.5;
    static constexpr double kGrowthOnRecall = 3.0;
    static constexpr int kGroups = static_cast<int>(kOutcomeGroups.size());

    explicit SimulatedLearner(std::uint64_t seed)
        : deck_(CardDeck::instance()), random_(seed), memories_(static_cast<std::size_t>(deck_.size()))
    {
        std::array<double, kOutcomeGroups.size()> sizes{};
        for (const Card& card : deck_.cards())
            sizes[static_cast<std::size_t>(card.group)] += static_cast<double>(card.patterns.size());
        for (const Card& card : deck_.cards())
            weights_.push_back(static_cast<double>(card.patterns.size()) / sizes[static_cast<std::size_t>(card.group)] / kGroups);
    }

    // The chance of recalling a card at `nowMs`.
    double recall(int card, std::int64_t nowMs) const
    {
        const Memory& memory = memories_[static_cast<std::size_t>(card)];
        if (!memory.learned)
            return 0.0;
        return std::exp(-static_cast<double>(nowMs - memory.lastMs) / 86'400'000.0 / memory.stabilityDays);
    }

    // Answers a pattern of `card`: the group chosen, and then learns from
    // seeing the right one.
    int answer(int card, std::int64_t nowMs)
    {
        const int right = deck_.card(card).group;
        const bool recalled = std::uniform_real_distribution<double>(0, 1)(random_) < recall(card, nowMs);
        const int chosen = recalled ? right : std::uniform_int_distribution<int>(0, kGroups - 1)(random_);
        Memory& memory = memories_[static_cast<std::size_t>(card)];
        memory.stabilityDays = recalled ? memory.stabilityDays * kGrowthOnRecall : kFirstStabilityDays;
        memory.learned = true;
        memory.lastMs = nowMs;
        return chosen;
    }

    // The expected share of right answers to every pattern, averaged over
    // the eight groups.
    double accuracy(std::int64_t nowMs) const
    {
        double total = 0;
        for (int card = 0; card < deck_.size(); ++card) {
            const double p = recall(card, nowMs);
            total += weights_[static_cast<std::size_t>(card)] * (p + (1.0 - p) / kGroups);
        }
        return total;
    }

private:
    struct Memory {
        bool learned = false;
        double stabilityDays = 0;
        std::int64_t lastMs = 0;
    };

    const CardDeck& deck_;
    std::mt19937_64 random_;
    std::vector<Memory> memories_;
    std::vector<double> weights_;
};
