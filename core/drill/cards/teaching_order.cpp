#include "core/drill/cards/teaching_order.h"

#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"

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

std::vector<int> teachingOrder(std::span<const Lesson> lessons)
{
    if (lessons.empty())
        return {};
    std::map<int, double> answerSizes;
    for (const Lesson& lesson : lessons)
        answerSizes[lesson.answer] += static_cast<double>(lesson.size);
    std::vector<double> weights;
    std::map<int, double> gridWeights;
    for (const Lesson& lesson : lessons) {
        weights.push_back(static_cast<double>(lesson.size) / answerSizes[lesson.answer]);
        gridWeights[lesson.grid] += weights.back();
    }
    const double heaviest = *std::max_element(weights.begin(), weights.end());
    const auto roundOf = [&](int card) {
        return static_cast<int>(std::log(heaviest / weights[static_cast<std::size_t>(card)]) / std::log(kRoundWeightRatio));
    };

    std::vector<int> order(lessons.size());
    for (std::size_t index = 0; index < lessons.size(); ++index)
        order[index] = static_cast<int>(index);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Lesson& lessonA = lessons[static_cast<std::size_t>(a)];
        const Lesson& lessonB = lessons[static_cast<std::size_t>(b)];
        if (roundOf(a) != roundOf(b))
            return roundOf(a) < roundOf(b);
        if (lessonA.grid != lessonB.grid)
            return gridWeights[lessonA.grid] != gridWeights[lessonB.grid] ? gridWeights[lessonA.grid] > gridWeights[lessonB.grid]
                                                                          : lessonA.grid < lessonB.grid;
        if (lessonA.bonus != lessonB.bonus)
            return lessonA.bonus;
        return weights[static_cast<std::size_t>(a)] > weights[static_cast<std::size_t>(b)];
    });
    return order;
}

std::vector<int> teachingOrder(const CardDeck& deck)
{
    std::vector<Lesson> lessons;
    for (const Card& card : deck.cards())
        lessons.push_back({card.grid, card.group, static_cast<int>(card.patterns.size()), card.group < kBonusGroups});
    return teachingOrder(lessons);
}

std::vector<int> teachingOrder(const PairDeck& deck)
{
    std::vector<Lesson> lessons;
    for (const PairCard& card : deck.cards())
        lessons.push_back({card.grid, verdictIndexOf(card.verdict), static_cast<int>(card.pairs.size()),
                           isCertainBonus(card.verdict)});
    return teachingOrder(lessons);
}
