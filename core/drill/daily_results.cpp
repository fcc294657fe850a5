#include "core/drill/daily_results.h"

#include "core/drill/schedule/card_state.h"

#include <algorithm>

std::vector<DayResult> dailyResults(const std::vector<PastAnswer>& answers, std::int64_t lastDay, int days,
                                    std::int64_t utcOffsetMs)
{
    const std::int64_t firstDay = lastDay - days + 1;
    std::vector<DayResult> results;
    std::vector<std::vector<int>> times(static_cast<std::size_t>(days));
    for (int i = 0; i < days; ++i)
        results.push_back({firstDay + i, 0, 0, 0});
    for (const PastAnswer& answer : answers) {
        const std::int64_t day = playerDayOf(answer.atMs, utcOffsetMs);
        if (day < firstDay || day > lastDay)
            continue;
        const auto index = static_cast<std::size_t>(day - firstDay);
        ++results[index].answered;
        results[index].right += answer.right ? 1 : 0;
        times[index].push_back(answer.answerMs);
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        std::vector<int>& dayTimes = times[i];
        if (dayTimes.empty())
            continue;
        // The lower of the two middle times on a day with an even count.
        const auto middle = dayTimes.begin() + static_cast<std::ptrdiff_t>((dayTimes.size() - 1) / 2);
        std::nth_element(dayTimes.begin(), middle, dayTimes.end());
        results[i].medianAnswerMs = *middle;
    }
    return results;
}
