#pragma once

#include <span>
#include <vector>

class CardDeck;
class PairDeck;

// What the teaching order weighs of a card.
struct Lesson {
    int grid = 0;        // the left grid the card is asked on
    int answer = 0;      // its right answer: an outcome group, a pair verdict
    int size = 0;        // how many questions it holds: patterns, pairs
    bool bonus = false;  // whether that answer names a bonus
};

// The order in which new cards are taught: the weightiest cards first, in
// rounds of similar weight; within a round one left grid at a time, the grid
// that covers the most of what is to be learned first, and within a grid the
// bonus answers first, then the cards that cover most of their answer.
// A card's weight is its share of its answer's questions, as a player is
// judged by how well they tell every answer apart: a rare answer's few cards
// weigh as much together as a common answer's many.
std::vector<int> teachingOrder(std::span<const Lesson> lessons);

// The order of the main drill's cards, each answered by its outcome group.
std::vector<int> teachingOrder(const CardDeck& deck);
// The order of the pair cards, each answered by its verdict, the verdicts
// that make a bonus certain being the bonus answers.
std::vector<int> teachingOrder(const PairDeck& deck);
