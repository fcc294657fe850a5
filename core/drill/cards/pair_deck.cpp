#include "core/drill/cards/pair_deck.h"

#include "core/drill/cards/deck_index.h"
#include "core/evaluation/evaluation.h"
#include "core/pairs/pair_words.h"

#include <map>
#include <tuple>

namespace {

std::size_t slotOf(int position)
{
    return static_cast<std::size_t>(position - 1);
}

std::size_t slotOf(StopOrder order)
{
    return static_cast<std::size_t>(order);
}

}  // namespace

PairDeck::PairDeck()
{
    // (grid, order, verdict) orders the cards; the map collects each one's pairs.
    std::map<std::tuple<int, StopOrder, PairVerdict>, std::vector<StoppedPair>> collected;
    for (StopOrder order : kStopOrders)
        for (int left = 1; left <= reel::kPositions; ++left)
            for (int second = 1; second <= reel::kPositions; ++second) {
                const StoppedPair pair{left, second};
                collected[{evaluatorClassOf(left), order, readPair(order, pair).verdict}].push_back(pair);
            }
    for (auto& [key, pairs] : collected) {
        const auto [grid, order, verdict] = key;
        const int index = static_cast<int>(cards_.size());
        for (const StoppedPair& pair : pairs)
            cardByPair_[slotOf(order)][slotOf(pair.left)][slotOf(pair.second)] = static_cast<short>(index);
        cards_.push_back({grid, order, verdict, std::move(pairs)});
    }
    byLeft_ = cardsByLeft(cards_);
}

const PairDeck& PairDeck::instance()
{
    static const PairDeck deck;
    return deck;
}

int PairDeck::cardOf(StopOrder order, const StoppedPair& pair) const
{
    return cardByPair_[slotOf(order)][slotOf(pair.left)][slotOf(pair.second)];
}

std::vector<StoppedPair> PairDeck::questionsOn(int index, int left) const
{
    return questionsOnLeft(card(index).pairs, left);
}

std::span<const int> PairDeck::cardsOfLeft(int left) const
{
    return byLeft_[static_cast<std::size_t>(left)];
}

std::string PairDeck::keyOf(int index) const
{
    const PairCard& c = card(index);
    return std::to_string(c.grid) + ":" + std::string(stopOrderKey(c.order)) + ":" + std::string(verdictKey(c.verdict));
}

int PairDeck::cardOfKey(const std::string& key) const
{
    return findCardOfKey(*this, key);
}
