#include "core/drill/schedule/card_schedule.h"

#include <algorithm>
#include <cmath>

double retrievabilityAt(const CardState& state, std::int64_t nowMs, const MemoryModel& model)
{
    if (state.phase == Phase::New)
        return 0.0;
    const double days = static_cast<double>(nowMs - state.lastAnswerMs) / kMsPerDay;
    return model.retrievability(days, state.memory.stability);
}

double recallADayLater(const CardState& state, std::int64_t nowMs, const MemoryModel& model)
{
    return retrievabilityAt(state, nowMs + kMsPerDay, model);
}

namespace {

std::int64_t reviewIntervalMs(const Memory& memory, double retention, const MemoryModel& model)
{
    const double days = std::clamp(std::round(model.intervalDays(memory.stability, retention)), 1.0,
        kLongestIntervalDays);
    return static_cast<std::int64_t>(days) * kMsPerDay;
}

}  // namespace

CardState afterAnswer(const CardState& state, Grade grade, std::int64_t nowMs, double retention,
                      const MemoryModel& model)
{
    CardState after = state;
    const double days = static_cast<double>(nowMs - state.lastAnswerMs) / kMsPerDay;
    after.memory = state.phase == Phase::New ? model.first(grade) : model.next(state.memory, days, grade);
    after.lastAnswerMs = nowMs;
    ++after.answers;

    if (grade == Grade::Again) {
        if (state.phase == Phase::Review)
            ++after.lapses;
        after.phase = state.phase == Phase::Review || state.phase == Phase::Relearning ? Phase::Relearning
                                                                                        : Phase::Learning;
        after.step = 0;
        after.dueMs = nowMs + kLearningStepsMs[0];
        return after;
    }
    const bool onSteps = state.phase == Phase::Learning || state.phase == Phase::Relearning;
    const int nextStep = state.step + 1;
    if (onSteps && grade != Grade::Easy && nextStep < static_cast<int>(kLearningStepsMs.size())) {
        after.phase = state.phase == Phase::Relearning ? Phase::Relearning : Phase::Learning;
        after.step = nextStep;
        after.dueMs = nowMs + kLearningStepsMs[static_cast<std::size_t>(nextStep)];
        return after;
    }
    after.phase = Phase::Review;
    after.step = 0;
    after.dueMs = nowMs + reviewIntervalMs(after.memory, retention, model);
    return after;
}
