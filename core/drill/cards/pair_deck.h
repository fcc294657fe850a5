#pragma once

#include "core/pairs/pair_verdict.h"

#include <array>
#include <span>
#include <string>
#include <vector>

// What a player learns as one thing about two stopped reels: the pairs of one
// left grid that tell one verdict in one stop order. Left positions 4, 15 and
// 18 share a grid, so one card holds the pairs of all three. However few its
// pairs, a card is asked as often as its memory needs: the rare pairs that
// make a bonus certain are cards of their own, never drowned among the many
// that leave it open.
struct PairCard {
    int grid = 0;  // the evaluator class: the left position, or 4 for 15 and 18
    StopOrder order = StopOrder::LeftCenter;
    PairVerdict verdict = PairVerdict::Open;
    std::vector<StoppedPair> pairs;  // sorted by left, second
};

// Every pair card, each pair of each order in exactly one. Cards are numbered
// 0..size()-1 in the order of their grid, then order, then verdict.
class PairDeck {
public:
    // What a card asks: one of its pairs, in the card's order, answered by
    // the verdict's index in kPairVerdicts.
    using Question = StoppedPair;
    static constexpr std::size_t kAnswers = kPairVerdicts.size();

    PairDeck();

    // The one deck, built on first use.
    static const PairDeck& instance();

    int size() const { return static_cast<int>(cards_.size()); }
    const PairCard& card(int index) const { return cards_[static_cast<std::size_t>(index)]; }
    const std::vector<PairCard>& cards() const { return cards_; }

    // The card of a pair on the reels.
    int cardOf(StopOrder order, const StoppedPair& pair) const;

    // The card's pairs on one left position (1..21), or all of them for 0.
    std::vector<StoppedPair> questionsOn(int card, int left) const;
    // The right answer to every pair of the card: its verdict's index.
    int answerOf(int card) const { return verdictIndexOf(this->card(card).verdict); }

    // The cards of a left position (1..21), ordered by order and verdict.
    std::span<const int> cardsOfLeft(int left) const;

    // A name that stays the same from one build to the next, such as
    // "7:left-center:BIG"; no card of the main deck has such a name.
    std::string keyOf(int card) const;
    // The card of such a name, or -1.
    int cardOfKey(const std::string& key) const;

private:
    std::vector<PairCard> cards_;
    std::array<std::vector<int>, reel::kPositions + 1> byLeft_;
    // cardByPair_[order][left - 1][second - 1]
    std::array<std::array<std::array<short, reel::kPositions>, reel::kPositions>, kStopOrders.size()> cardByPair_{};
};
