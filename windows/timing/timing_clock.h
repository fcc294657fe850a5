#pragma once

#include <QtGlobal>

#include <cstdint>
#include <functional>

// Where the timing drill reads the time: a monotonic clock in microseconds
// that the reels turn by and presses are measured on, and the wall clock
// (milliseconds since 1970, UTC) that the history dates presses by.
struct TimingClock {
    std::function<std::int64_t()> steadyUs;
    std::function<qint64()> utcMs;

    static TimingClock system();
};
