#include "core/drill/memory/answer_chains.h"

#include "core/drill/schedule/card_state.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

AnswerChains::AnswerChains(const std::vector<CardAnswer>& answers)
{
    // The cards in the order first answered, not by their numbers, so that
    // the losses add up in the same order however the cards are named.
    std::unordered_map<int, std::size_t> firstAnswer;
    std::vector<std::size_t> chainOf(answers.size());
    for (std::size_t i = 0; i < answers.size(); ++i)
        chainOf[i] = firstAnswer.try_emplace(answers[i].card, i).first->second;
    std::vector<std::size_t> order(answers.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return chainOf[a] < chainOf[b]; });

    answers_.reserve(answers.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const CardAnswer& answer = answers[order[i]];
        ReplayedAnswer replayed{order[i], 0.0, gradeOf(answer.right, answer.answerMs), answer.right, 0, 0};
        if (i == 0 || answer.card != answers[order[i - 1]].card) {
            starts_.push_back(i);
        } else {
            const CardAnswer& before = answers[order[i - 1]];
            const ReplayedAnswer& last = answers_.back();
            replayed.days = static_cast<double>(answer.atMs - before.atMs) / kMsPerDay;
            replayed.earlierAnswers = last.earlierAnswers + 1;
            replayed.earlierMisses = last.earlierMisses + (before.right ? 0 : 1);
        }
        answers_.push_back(replayed);
    }
    starts_.push_back(answers_.size());
}
