#pragma once

#include <QtGlobal>

#include <cstdint>
#include <functional>

// Where a window with turning reels reads the time: a monotonic clock in
// microseconds that the reels turn by and presses are measured on, and the
// wall clock (milliseconds since 1970, UTC) that the history dates its
// records by. Tests give clocks of their own.
struct TimingClock {
    std::function<std::int64_t()> steadyUs;
    std::function<qint64()> utcMs;

    static TimingClock system();
};
