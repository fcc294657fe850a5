#pragma once

#include "core/outcome_groups.h"
#include "core/pattern.h"

#include <array>
#include <span>
#include <string>
#include <vector>

// What a player learns as one thing: one outcome code on one grid of the left
// reel. Left positions 4, 15 and 18 share a grid, so one card holds the
// patterns of all three.
struct Card {
    int grid = 0;   // the evaluator class: the left position, or 4 for 15 and 18
    char code = 0;  // the outcome code
    int group = 0;  // the outcome group of the code
    std::vector<Pattern> patterns;  // sorted by left, center, right
};

// Every card of the reels, each pattern in exactly one. Cards are numbered
// 0..size()-1 in the order of their grid, then group, then code.
class CardDeck {
public:
    // What a card asks: one of its patterns, answered by its outcome group.
    using Question = Pattern;
    static constexpr std::size_t kAnswers = kOutcomeGroups.size();

    CardDeck();

    // The one deck, built on first use.
    static const CardDeck& instance();

    int size() const { return static_cast<int>(cards_.size()); }
    const Card& card(int index) const { return cards_[static_cast<std::size_t>(index)]; }
    const std::vector<Card>& cards() const { return cards_; }

    // The card of a pattern on the reels.
    int cardOf(const Pattern& pattern) const;

    // The card's patterns on one left position (1..21), or all of them for 0.
    std::vector<Pattern> questionsOn(int card, int left) const;
    // The right answer to every pattern of the card: its outcome group.
    int answerOf(int card) const { return this->card(card).group; }

    // The cards of a left position (1..21), ordered by group and code.
    std::span<const int> cardsOfLeft(int left) const;

    // A name that stays the same from one build to the next, such as "4:A".
    std::string keyOf(int card) const;
    // The card of such a name, or -1.
    int cardOfKey(const std::string& key) const;

private:
    std::vector<Card> cards_;
    std::array<std::vector<int>, reel::kPositions + 1> byLeft_;
    // cardByCell_[left - 1][center - 1][right - 1]
    std::array<std::array<std::array<short, reel::kPositions>, reel::kPositions>, reel::kPositions>
        cardByCell_{};
};
