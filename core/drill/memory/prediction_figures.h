#pragma once

#include "core/drill/memory/card_answer.h"
#include "core/drill/memory/memory_model.h"

#include <cstddef>
#include <vector>

// What the model predicted just before an answer, and what came of it.
struct Prediction {
    double recall = 0;  // the predicted probability of a right answer
    bool right = false;
    double days = 0;         // since the card's answer before
    int earlierAnswers = 0;  // the card's answers before this one
    int earlierMisses = 0;   // how many of those were wrong
};

// Replays `answers` (in time order) through `model` and gives the
// predictions of the answers from the `from`th on. A card's first answer
// has none: the model knows nothing of a card before it is shown.
std::vector<Prediction> predictionsOf(const std::vector<CardAnswer>& answers, const MemoryModel& model,
                                      std::size_t from = 0);

// The recall `model` predicted just before each answer, in the answers'
// order (time order for each card); 0 before a card's first answer, as the
// drill shows a card never asked.
std::vector<double> recallBeforeEach(const std::vector<CardAnswer>& answers, const MemoryModel& model);

// The mean log loss of the predictions; NaN without any.
double logLoss(const std::vector<Prediction>& predictions);

// RMSE(bins), as the FSRS benchmark describes it: the answers are put into
// bins by their history, not by the prediction (which a model could game by
// predicting its average): by the interval before them, the card's earlier
// answers and its earlier misses, each on a logarithmic scale. In each bin
// the mean prediction is set against the share right; the result is the
// root of the squared differences averaged with the bins' answers as
// weights. NaN without any predictions.
double rmseBins(const std::vector<Prediction>& predictions);

// One bin of the calibration chart: the answers whose predicted recall fell
// in [from, to) (the last bin includes 1), their mean prediction and the
// share of them answered right (both 0 in an empty bin).
struct CalibrationBin {
    double from = 0;
    double to = 0;
    int answers = 0;
    double meanPredicted = 0;
    double shareRight = 0;
};

// The predictions in `bins` bins of equal width from 0 to 1.
std::vector<CalibrationBin> calibrationBins(const std::vector<Prediction>& predictions, int bins = 10);
