#include "core/drill/cards/teaching_order.h"

#include "core/drill/cards/card_deck.h"
#include "core/outcome_groups.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The groups that name a bonus: ＢＩＧ, ＲＥＧ and Ｂ＆Ｒ共通.
constexpr int kBonusGroups = 3;

// Rounds of falling weight: round k teaches the cards between 1/r^k and
// 1/r^(k+1) of the heaviest card's weight. A narrow band keeps the order
// close to heaviest first, which teaches most in the first days; the runs of
// one grid within a round stay as a player would learn them.
constexpr double kRoundWeightRatio = 1.5;

}  // namespace

std::vector<int> teachingOrder(const CardDeck& deck)
{
    std::array<double, kOutcomeGroups.size()> groupSizes{};
    for (const Card& card : deck.cards())
        groupSizes[static_cast<std::size_t>(card.group)] += static_cast<double>(card.patterns.size());
    std::vector<double> weights;
    std::map<int, double> gridWeights;
    for (const Card& card : deck.cards()) {
        weights.push_back(static_cast<double>(card.patterns.size()) / groupSizes[static_cast<std::size_t>(card.group)]);
        gridWeights[card.grid] += weights.back();
    }
    const double heaviest = *std::max_element(weights.begin(), weights.end());
    const auto roundOf = [&](int card) {
        return static_cast<int>(std::log(heaviest / weights[static_cast<std::size_t>(card)]) / std::log(kRoundWeightRatio));
    };

    std::vector<int> order(static_cast<std::size_t>(deck.size()));
    for (int index = 0; index < deck.size(); ++index)
        order[static_cast<std::size_t>(index)] = index;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Card& cardA = deck.card(a);
        const Card& cardB = deck.card(b);
        if (roundOf(a) != roundOf(b))
            return roundOf(a) < roundOf(b);
        if (cardA.grid != cardB.grid)
            return gridWeights[cardA.grid] != gridWeights[cardB.grid] ? gridWeights[cardA.grid] > gridWeights[cardB.grid]
                                                                      : cardA.grid < cardB.grid;
        const bool bonusA = cardA.group < kBonusGroups;
        const bool bonusB = cardB.group < kBonusGroups;
        if (bonusA != bonusB)
            return bonusA;
        return weights[static_cast<std::size_t>(a)] > weights[static_cast<std::size_t>(b)];
    });
    return order;
}
