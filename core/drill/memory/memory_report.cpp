#include "core/drill/memory/memory_report.h"

#include "core/drill/memory/prediction_figures.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <unordered_map>

namespace {

// The shortest text that reads back as the same number: weights and
// predictions, exactly; figures to six places.
std::string exactly(double number)
{
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, number).ptr};
}

std::string toSixPlaces(double number)
{
    char text[64];
    return {text, std::to_chars(text, text + sizeof text, number, std::chars_format::fixed, 6).ptr};
}

void addLine(std::string& lines, const std::string& key, const std::string& value)
{
    lines += key + '\t' + value + '\n';
}

void addFigures(std::string& lines, const std::string& weights, const HeldOutFigures& figures)
{
    addLine(lines, "log_loss_" + weights, toSixPlaces(figures.logLoss));
    addLine(lines, "rmse_bins_" + weights, toSixPlaces(figures.rmseBins));
}

}  // namespace

std::string memoryReportLines(const MemoryFit& fit)
{
    std::string lines;
    addLine(lines, "answers", std::to_string(fit.answers));
    addLine(lines, "held_out_answers", std::to_string(fit.heldOutAnswers));
    addFigures(lines, "default", fit.defaults);
    if (fit.currentWeights != MemoryModel::kDefaultWeights)
        addFigures(lines, "current", fit.current);
    addFigures(lines, "fitted", fit.fitted);
    addLine(lines, "kept", fit.kept ? "yes" : "no");
    for (std::size_t k = 0; k < fit.weights.size(); ++k)
        addLine(lines, "w" + std::to_string(k), exactly(fit.weights[k]));
    return lines;
}

PredictionLines predictionLines(const AnswerFile& history, const AnswerFile& test)
{
    std::vector<CardAnswer> answers = inTimeOrder(history.answers);
    std::unordered_map<int, std::int64_t> latest;
    for (const CardAnswer& answer : answers)
        latest[answer.card] = answer.atMs;

    std::vector<std::size_t> testOrder(test.answers.size());
    std::iota(testOrder.begin(), testOrder.end(), std::size_t{0});
    std::stable_sort(testOrder.begin(), testOrder.end(),
        [&](std::size_t a, std::size_t b) { return test.answers[a].atMs < test.answers[b].atMs; });
    for (const std::size_t row : testOrder) {
        const CardAnswer& answer = test.answers[row];
        const auto before = latest.find(answer.card);
        if (before != latest.end() && answer.atMs < before->second)
            return {{}, test.lines[row], "answered before the card's latest answer in the history it follows"};
        answers.push_back(answer);
    }

    const MemoryWeights fitted = fittedWeights(history.answers);
    const std::vector<double> byDefaults = recallBeforeEach(answers, MemoryModel());
    const std::vector<double> byFitted = recallBeforeEach(answers, MemoryModel(fitted));
    std::vector<std::size_t> placeOfRow(test.answers.size());
    for (std::size_t i = 0; i < testOrder.size(); ++i)
        placeOfRow[testOrder[i]] = history.answers.size() + i;

    PredictionLines result;
    for (std::size_t row = 0; row < test.answers.size(); ++row) {
        const std::size_t place = placeOfRow[row];
        result.lines += "predict\t" + std::to_string(row + 1) + '\t' + exactly(byDefaults[place]) + '\t' +
                        exactly(byFitted[place]) + '\n';
    }
    return result;
}
