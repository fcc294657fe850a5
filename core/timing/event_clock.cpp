#include "core/timing/event_clock.h"

namespace timing {

std::int64_t EventClock::momentOf(std::uint64_t stampMs, std::int64_t arrivalUs)
{
    if (stampMs == 0)
        return arrivalUs;
    const std::int64_t difference = arrivalUs - static_cast<std::int64_t>(stampMs) * 1000;
    if (!differenceUs_ || difference < *differenceUs_)
        differenceUs_ = difference;
    // Never after the arrival, as the difference kept is the smallest.
    const std::int64_t moment = static_cast<std::int64_t>(stampMs) * 1000 + *differenceUs_;
    if (arrivalUs - moment > kLongestDelayUs) {
        // One clock jumped, or the event sat long in a queue: the arrival is
        // the better guess, and the clocks are compared again from here.
        differenceUs_ = difference;
        return arrivalUs;
    }
    return moment;
}

}  // namespace timing
