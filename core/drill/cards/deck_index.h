#pragma once

#include "core/evaluation/evaluation.h"
#include "core/reels/positions.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

// What the decks of the drill (patterns, pairs) do alike with their cards,
// each card asked on one left grid.

// The cards of each left position 1..21 in the deck's order: those of its grid.
template <typename Card>
std::array<std::vector<int>, reel::kPositions + 1> cardsByLeft(const std::vector<Card>& cards)
{
    std::array<std::vector<int>, reel::kPositions + 1> byLeft;
    for (int left = 1; left <= reel::kPositions; ++left)
        for (std::size_t index = 0; index < cards.size(); ++index)
            if (cards[index].grid == evaluatorClassOf(left))
                byLeft[static_cast<std::size_t>(left)].push_back(static_cast<int>(index));
    return byLeft;
}

// A card's questions (patterns, pairs) on one left position (1..21), or all
// of them for 0.
template <typename Question>
std::vector<Question> questionsOnLeft(const std::vector<Question>& all, int left)
{
    if (left == 0)
        return all;
    std::vector<Question> on;
    std::copy_if(all.begin(), all.end(), std::back_inserter(on),
        [left](const Question& question) { return question.left == left; });
    return on;
}

// The card of the deck whose key is `key`, or -1.
template <typename Deck>
int findCardOfKey(const Deck& deck, const std::string& key)
{
    for (int index = 0; index < deck.size(); ++index)
        if (deck.keyOf(index) == key)
            return index;
    return -1;
}
