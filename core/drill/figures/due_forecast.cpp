#include "core/drill/figures/due_forecast.h"

#include <algorithm>

std::vector<int> dueForecast(const std::vector<CardState>& states, std::int64_t nowMs, std::int64_t utcOffsetMs,
                             int days)
{
    std::vector<int> due(static_cast<std::size_t>(days), 0);
    const std::int64_t today = playerDayOf(nowMs, utcOffsetMs);
    for (const CardState& state : states) {
        if (state.phase == Phase::New)
            continue;
        const std::int64_t day = std::max(playerDayOf(state.dueMs, utcOffsetMs), today) - today;
        if (day < days)
            ++due[static_cast<std::size_t>(day)];
    }
    return due;
}
