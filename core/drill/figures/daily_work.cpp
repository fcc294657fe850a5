#include "core/drill/figures/daily_work.h"

#include "core/drill/schedule/card_schedule.h"
#include "core/random/seeded_random.h"

#include <algorithm>

namespace {

// Runs enough that the mean of a small deck varies by little.
constexpr int kRuns = 16;

}  // namespace

double expectedAnswersADay(const std::vector<CardState>& states, const MemoryModel& model, double retention,
                           std::int64_t nowMs, std::uint64_t seed, int days)
{
    SeededRandom random(seed);
    const std::int64_t end = nowMs + days * kMsPerDay;
    long long answers = 0;
    for (int run = 0; run < kRuns; ++run) {
        for (CardState state : states) {
            if (state.phase == Phase::New)
                continue;
            for (std::int64_t at = std::max(state.dueMs, nowMs); at < end; at = state.dueMs) {
                const bool right = random.unit() < retrievabilityAt(state, at, model);
                state = afterAnswer(state, right ? Grade::Good : Grade::Again, at, retention, model);
                ++answers;
            }
        }
    }
    return static_cast<double>(answers) / kRuns / days;
}
