#pragma once

#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

// A player who learns what a card means when shown its answer and forgets it
// exponentially, more slowly after each recall. A card never learned is a
// guess among the deck's answers (the eight groups, the five verdicts).
template <typename Deck>
class SimulatedLearner {
public:
    static constexpr double kFirstStabilityDays = 0.5;
    static constexpr double kGrowthOnRecall = 3.0;
    static constexpr int kAnswers = static_cast<int>(Deck::kAnswers);

    explicit SimulatedLearner(std::uint64_t seed)
        : deck_(Deck::instance()), random_(seed), memories_(static_cast<std::size_t>(deck_.size()))
    {
        std::array<double, Deck::kAnswers> sizes{};
        for (int card = 0; card < deck_.size(); ++card)
            sizes[static_cast<std::size_t>(deck_.answerOf(card))] += questionsOf(card);
        for (int card = 0; card < deck_.size(); ++card)
            weights_.push_back(questionsOf(card) / sizes[static_cast<std::size_t>(deck_.answerOf(card))] / kAnswers);
    }

    // The chance of recalling a card at `nowMs`.
    double recall(int card, std::int64_t nowMs) const
    {
        const Memory& memory = memories_[static_cast<std::size_t>(card)];
        if (!memory.learned)
            return 0.0;
        return std::exp(-static_cast<double>(nowMs - memory.lastMs) / 86'400'000.0 / memory.stabilityDays);
    }

    // Answers a question of `card`: the answer chosen, and then learns from
    // seeing the right one.
    int answer(int card, std::int64_t nowMs)
    {
        const int right = deck_.answerOf(card);
        const bool recalled = std::uniform_real_distribution<double>(0, 1)(random_) < recall(card, nowMs);
        const int chosen = recalled ? right : std::uniform_int_distribution<int>(0, kAnswers - 1)(random_);
        Memory& memory = memories_[static_cast<std::size_t>(card)];
        memory.stabilityDays = recalled ? memory.stabilityDays * kGrowthOnRecall : kFirstStabilityDays;
        memory.learned = true;
        memory.lastMs = nowMs;
        return chosen;
    }

    // The expected share of right answers to every question, averaged over
    // the deck's answers.
    double accuracy(std::int64_t nowMs) const
    {
        double total = 0;
        for (int card = 0; card < deck_.size(); ++card) {
            const double p = recall(card, nowMs);
            total += weights_[static_cast<std::size_t>(card)] * (p + (1.0 - p) / kAnswers);
        }
        return total;
    }

private:
    struct Memory {
        bool learned = false;
        double stabilityDays = 0;
        std::int64_t lastMs = 0;
    };

    double questionsOf(int card) const { return static_cast<double>(deck_.questionsOn(card, 0).size()); }

    const Deck& deck_;
    std::mt19937_64 random_;
    std::vector<Memory> memories_;
    std::vector<double> weights_;
};
