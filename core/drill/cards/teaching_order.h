#pragma once

#include <vector>

class CardDeck;

// The order in which new cards are taught: the weightiest cards first, in
// rounds of similar weight; within a round one left grid at a time, the grid
// that covers the most of what is to be learned first, and within a grid the
// bonus meanings first, then the cards that cover most of their group.
// A card's weight is its share of its group's patterns, as a player is judged
// by how well they tell every group apart.
std::vector<int> teachingOrder(const CardDeck& deck);
