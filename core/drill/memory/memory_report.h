#pragma once

#include "core/drill/memory/answer_csv.h"
#include "core/drill/memory/memory_fit.h"

#include <string>

// The lines of the memory report, `key<TAB>value` each: answers, the
// held-out answers the figures are of, the log loss and RMSE(bins) of the
// default and the fitted weights on them (and of the current weights, where
// they are not the defaults), whether the fitted weights would be kept
// (yes or no), and the fitted weights w0..w20. A figure without any
// held-out prediction reads nan.
std::string memoryReportLines(const MemoryFit& fit);

// The lines that set the default weights' predictions against fitted ones.
struct PredictionLines {
    std::string lines;
    int errorLine = 0;  // a test line that comes before the history it follows; 0 when none
    std::string error;
};

// Fits the weights on all of `history` and, for each answer of `test` in
// its order, gives `predict<TAB>ROW<TAB>P_DEFAULT<TAB>P_FITTED`: ROW the
// answer's place among test's answers, from 1; P the recall each set of
// weights predicted just before it, replaying the history's answers and
// then test's, in time order; 0 before a card's first answer, as the drill
// shows a card never asked. Both files' cards are named by one CardNames.
// A test answer earlier than its card's latest in the history is an error.
PredictionLines predictionLines(const AnswerFile& history, const AnswerFile& test);
