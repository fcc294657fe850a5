#pragma once

#include "core/reels/positions.h"

#include <string>

// A stop pattern: the upper-row positions of the left, center and right reels.
struct Pattern {
    int left = 1;
    int center = 1;
    int right = 1;

    friend bool operator==(const Pattern&, const Pattern&) = default;
};

// Whether every position lies on its reel.
bool isOnTheReels(const Pattern& pattern);

// The read-out the reel window shows for the pattern, such as "7-14-3".
std::string readOutOf(const Pattern& pattern);
