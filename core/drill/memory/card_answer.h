#pragma once

#include <cstdint>
#include <vector>

// One answer to a card as the memory model's fit and figures read the
// history: which card, when, whether right, and how long it took (the drill
// grades it from these, grade.h).
struct CardAnswer {
    int card = 0;           // any number that names the card
    std::int64_t atMs = 0;  // milliseconds since 1970, UTC
    bool right = false;
    int answerMs = 0;

    friend bool operator==(const CardAnswer&, const CardAnswer&) = default;
};

// The answers in time order; answers given at the same moment keep theirs.
std::vector<CardAnswer> inTimeOrder(std::vector<CardAnswer> answers);
