#pragma once

#include <QtGlobal>

#include <functional>

// Where the drill window reads the time: the wall clock for scheduling
// (milliseconds since 1970, UTC) and a steady clock for answer times.
struct DrillClock {
    std::function<qint64()> utcMs;
    std::function<qint64()> steadyMs;

    static DrillClock system();
};
