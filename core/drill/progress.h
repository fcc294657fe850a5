#pragma once

#include "core/drill/review_queue.h"
#include "core/drill/score.h"

#include <vector>

// What the drill keeps from one run to the next.
struct Progress {
    Score score;
    std::vector<Review> reviews;

    friend bool operator==(const Progress&, const Progress&) = default;
};
