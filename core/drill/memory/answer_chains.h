#pragma once

#include "core/drill/memory/card_answer.h"
#include "core/drill/memory/grade.h"
#include "core/drill/memory/memory_model.h"

#include <cstddef>
#include <vector>

// An answer as the memory model meets it when its card's answers are
// replayed.
struct ReplayedAnswer {
    std::size_t index = 0;  // its place among the answers replayed
    double days = 0;        // since the card's answer before
    Grade grade = Grade::Again;
    bool right = false;
    int earlierAnswers = 0;  // the card's answers before it
    int earlierMisses = 0;   // how many of those were wrong
};

// The answers of each card, to replay through the memory model as the drill
// would have met them: a card's first answer sets its memory; each later one
// is predicted (the recall just before it) and then updates the memory, with
// the drill's grading and its same-day rule.
class AnswerChains {
public:
    // `answers` in the order they were given: time order.
    explicit AnswerChains(const std::vector<CardAnswer>& answers);

    // Calls visit(answer, predicted) for every answer after a card's first,
    // card by card.
    template <typename Number, typename Visit>
    void replay(const MemoryModelOf<Number>& model, Visit&& visit) const
    {
        for (std::size_t card = 0; card + 1 < starts_.size(); ++card) {
            const std::size_t end = starts_[card + 1];
            MemoryOf<Number> memory = model.first(answers_[starts_[card]].grade);
            for (std::size_t i = starts_[card] + 1; i < end; ++i) {
                const ReplayedAnswer& answer = answers_[i];
                visit(answer, model.retrievability(answer.days, memory.stability));
                if (i + 1 < end)
                    memory = model.next(memory, answer.days, answer.grade);
            }
        }
    }

    // The answers that are predicted: all but each card's first.
    std::size_t predictedCount() const { return answers_.size() - (starts_.size() - 1); }

private:
    std::vector<ReplayedAnswer> answers_;  // grouped by card, each card's in their order
    std::vector<std::size_t> starts_;      // where each card's answers begin, then the end
};
