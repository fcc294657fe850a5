#include "core/drill/cards/card_deck.h"

#include "core/drill/cards/deck_index.h"
#include "core/evaluation/evaluation.h"
#include "core/evaluation/judgement.h"
#include "core/outcome_groups.h"

#include <map>
#include <tuple>

namespace {

std::size_t at(int position)
{
    return static_cast<std::size_t>(position - 1);
}

}  // namespace

CardDeck::CardDeck()
{
    // (grid, group, code) orders the cards; the map collects each one's patterns.
    std::map<std::tuple<int, int, char>, std::vector<Pattern>> collected;
    for (int left = 1; left <= reel::kPositions; ++left)
        for (int center = 1; center <= reel::kPositions; ++center)
            for (int right = 1; right <= reel::kPositions; ++right) {
                const Pattern pattern{left, center, right};
                const char code = outcomeCodeOf(pattern);
                collected[{evaluatorClassOf(left), groupIndexOf(code), code}].push_back(pattern);
            }
    for (auto& [key, patterns] : collected) {
        const auto [grid, group, code] = key;
        const int index = static_cast<int>(cards_.size());
        for (const Pattern& pattern : patterns)
            cardByCell_[at(pattern.left)][at(pattern.center)][at(pattern.right)] = static_cast<short>(index);
        cards_.push_back({grid, code, group, std::move(patterns)});
    }
    byLeft_ = cardsByLeft(cards_);
}

const CardDeck& CardDeck::instance()
{
    static const CardDeck deck;
    return deck;
}

int CardDeck::cardOf(const Pattern& pattern) const
{
    return cardByCell_[at(pattern.left)][at(pattern.center)][at(pattern.right)];
}

std::vector<Pattern> CardDeck::questionsOn(int index, int left) const
{
    return questionsOnLeft(card(index).patterns, left);
}

std::span<const int> CardDeck::cardsOfLeft(int left) const
{
    return byLeft_[static_cast<std::size_t>(left)];
}

std::string CardDeck::keyOf(int index) const
{
    const Card& c = card(index);
    return std::to_string(c.grid) + ":" + c.code;
}

int CardDeck::cardOfKey(const std::string& key) const
{
    return findCardOfKey(*this, key);
}
