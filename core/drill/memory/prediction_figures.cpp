#include "core/drill/memory/prediction_figures.h"

#include "core/drill/memory/answer_chains.h"
#include "core/drill/memory/answer_log_loss.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>

std::vector<Prediction> predictionsOf(const std::vector<CardAnswer>& answers, const MemoryModel& model,
                                      std::size_t from)
{
    std::vector<Prediction> predictions;
    AnswerChains(answers).replay(model, [&](const ReplayedAnswer& answer, double recall) {
        if (answer.index >= from)
            predictions.push_back({recall, answer.right, answer.days, answer.earlierAnswers, answer.earlierMisses});
    });
    return predictions;
}

std::vector<double> recallBeforeEach(const std::vector<CardAnswer>& answers, const MemoryModel& model)
{
    std::vector<double> recalls(answers.size(), 0.0);
    AnswerChains(answers).replay(
        model, [&](const ReplayedAnswer& answer, double recall) { recalls[answer.index] = recall; });
    return recalls;
}

double logLoss(const std::vector<Prediction>& predictions)
{
    if (predictions.empty())
        return std::numeric_limits<double>::quiet_NaN();
    double total = 0;
    for (const Prediction& prediction : predictions)
        total += answerLogLoss(prediction.recall, prediction.right);
    return total / static_cast<double>(predictions.size());
}

namespace {

// The scales of RMSE(bins)' bins: intervals by threes of minutes (1, 3, 9
// minutes … 1.4 days, 4 days …), the earlier answers and misses by twos.
int intervalBin(double days)
{
    return static_cast<int>(std::floor(std::log(std::max(days * 24 * 60, 1.0)) / std::log(3.0)));
}

int countBin(int count)
{
    return static_cast<int>(std::floor(std::log2(static_cast<double>(count) + 1.0)));
}

struct BinSums {
    int answers = 0;
    double predicted = 0;
    double right = 0;
};

}  // namespace

double rmseBins(const std::vector<Prediction>& predictions)
{
    if (predictions.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::map<std::tuple<int, int, int>, BinSums> bins;
    for (const Prediction& prediction : predictions) {
        BinSums& bin = bins[{intervalBin(prediction.days), countBin(prediction.earlierAnswers),
            countBin(prediction.earlierMisses)}];
        ++bin.answers;
        bin.predicted += prediction.recall;
        bin.right += prediction.right ? 1.0 : 0.0;
    }
    double weighted = 0;
    for (const auto& [key, bin] : bins) {
        const double difference = (bin.predicted - bin.right) / bin.answers;
        weighted += bin.answers * difference * difference;
    }
    return std::sqrt(weighted / static_cast<double>(predictions.size()));
}

std::vector<CalibrationBin> calibrationBins(const std::vector<Prediction>& predictions, int bins)
{
    std::vector<CalibrationBin> chart;
    for (int i = 0; i < bins; ++i)
        chart.push_back({static_cast<double>(i) / bins, static_cast<double>(i + 1) / bins, 0, 0.0, 0.0});
    for (const Prediction& prediction : predictions) {
        const int i = std::clamp(static_cast<int>(prediction.recall * bins), 0, bins - 1);
        CalibrationBin& bin = chart[static_cast<std::size_t>(i)];
        ++bin.answers;
        bin.meanPredicted += prediction.recall;
        bin.shareRight += prediction.right ? 1.0 : 0.0;
    }
    for (CalibrationBin& bin : chart) {
        if (bin.answers > 0) {
            bin.meanPredicted /= bin.answers;
            bin.shareRight /= bin.answers;
        }
    }
    return chart;
}
