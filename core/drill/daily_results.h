#pragma once

#include <cstdint>
#include <vector>

// A past answer as the learning curve reads it.
struct PastAnswer {
    std::int64_t atMs = 0;  // UTC
    bool right = false;
    int answerMs = 0;
};

// One day's answers: how many, how many right, and the median answer time.
struct DayResult {
    std::int64_t day = 0;  // days since 1970 in the player's time
    int answered = 0;
    int right = 0;
    int medianAnswerMs = 0;  // 0 on a day without answers

    friend bool operator==(const DayResult&, const DayResult&) = default;
};

// The results of the `days` days up to and including `lastDay`, oldest
// first, one entry a day; answers outside them are left out. A day starts at
// midnight `utcOffsetMs` from UTC's.
std::vector<DayResult> dailyResults(const std::vector<PastAnswer>& answers, std::int64_t lastDay, int days,
                                    std::int64_t utcOffsetMs);
