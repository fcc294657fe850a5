#include "core/drill/figures/true_retention.h"

#include "core/drill/memory/grade.h"
#include "core/drill/schedule/card_schedule.h"

#include <unordered_map>

TrueRetention trueRetention(const std::vector<CardAnswer>& answers, std::int64_t nowMs, int days)
{
    const std::int64_t since = nowMs - days * kMsPerDay;
    // The phases follow from the grades alone; the weights and retention
    // only move due dates, which are not asked here.
    const MemoryModel model;
    std::unordered_map<int, CardState> states;
    TrueRetention retention;
    for (const CardAnswer& answer : answers) {
        CardState& state = states[answer.card];
        if (state.phase == Phase::Review && answer.atMs > since && answer.atMs <= nowMs) {
            ++retention.reviews;
            retention.right += answer.right ? 1 : 0;
        }
        state = afterAnswer(state, gradeOf(answer.right, answer.answerMs), answer.atMs, kDefaultRetention, model);
    }
    return retention;
}
