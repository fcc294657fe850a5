#include "core/drill/schedule/replayed_states.h"

#include "core/drill/memory/grade.h"
#include "core/drill/schedule/card_schedule.h"

std::vector<CardState> statesAfter(const std::vector<CardAnswer>& answers, int cardCount, const MemoryModel& model,
                                   double retention)
{
    std::vector<CardState> states(static_cast<std::size_t>(cardCount));
    for (const CardAnswer& answer : answers) {
        if (answer.card < 0 || answer.card >= cardCount)
            continue;
        CardState& state = states[static_cast<std::size_t>(answer.card)];
        state = afterAnswer(state, gradeOf(answer.right, answer.answerMs), answer.atMs, retention, model);
    }
    return states;
}
