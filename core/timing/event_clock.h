#pragma once

#include <cstdint>
#include <optional>

// Puts an input event on the animation's clock. The platform stamps its
// events in milliseconds on a clock of its own; the difference between the
// two clocks is learnt from the events themselves: an event arrives at the
// earliest as it happens, so the smallest difference seen is the truest.
namespace timing {

class EventClock {
public:
    // A mapped stamp older than this on arrival is not believed.
    static constexpr std::int64_t kLongestDelayUs = 100'000;

    // When an event stamped `stampMs` (0: no stamp) that arrived at
    // `arrivalUs` happened. The arrival when the stamp cannot be mapped:
    // no stamp, or one that maps more than kLongestDelayUs before the
    // arrival, after which the clocks' difference is learnt anew.
    std::int64_t momentOf(std::uint64_t stampMs, std::int64_t arrivalUs);

private:
    std::optional<std::int64_t> differenceUs_;  // animation clock minus event clock
};

}  // namespace timing
