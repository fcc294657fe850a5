#include "core/drill/memory/memory_work.h"

#include "core/drill/memory/fit_rule.h"
#include "core/drill/schedule/replayed_states.h"

bool fitWanted(const MemoryRequest& request, int answers)
{
    return request.fit == MemoryRequest::Fit::Now
           || (request.fit == MemoryRequest::Fit::IfDue && fitIsDue(answers, request.answersAtLastFit));
}

MemoryWork memoryWork(const std::vector<CardAnswer>& answers, const MemoryRequest& request, std::stop_token stop)
{
    MemoryWork work;
    work.answers = static_cast<int>(answers.size());
    MemoryWeights inUse = request.inUse;
    if (fitWanted(request, work.answers)) {
        work.fit = fitMemoryModel(answers, request.inUse, stop);
        if (stop.stop_requested())
            return work;
        if (work.fit->kept) {
            inUse = work.fit->weights;
            work.replayed = statesAfter(answers, request.cardCount, MemoryModel(inUse), request.retention);
        }
    }
    work.calibration = calibrationBins(predictionsOf(answers, MemoryModel(inUse), heldOutFrom(answers.size())));
    work.lastWeek = trueRetention(answers, request.nowMs, 7);
    work.lastMonth = trueRetention(answers, request.nowMs, 30);
    return work;
}

std::vector<CardState> withReplayedStates(std::vector<CardState> states, const std::vector<CardState>& replayed)
{
    for (std::size_t card = 0; card < states.size() && card < replayed.size(); ++card) {
        const CardState& again = replayed[card];
        if (again.phase != Phase::New && again.answers == states[card].answers
            && again.lastAnswerMs == states[card].lastAnswerMs)
            states[card] = again;
    }
    return states;
}
