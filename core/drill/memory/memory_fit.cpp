#include "core/drill/memory/memory_fit.h"

#include "core/drill/memory/answer_chains.h"
#include "core/drill/memory/answer_log_loss.h"
#include "core/drill/memory/dual_number.h"
#include "core/drill/memory/prediction_figures.h"
#include "core/drill/memory/weight_bounds.h"

#include <nlopt.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using WeightNumber = DualNumber<kMemoryWeightCount>;

// How hard the defaults hold the weights: a weight a whole range from its
// default costs as much as this many answers predicted at even odds (ln 2
// each) would, whatever the count of answers; so the pull weakens as the
// answers grow.
constexpr double kPriorStrength = 1000.0 * 0.6931471805599453;

// Enough steps for the search to settle on the player's answers; a limit
// that keeps a fit of 100,000 answers within seconds.
constexpr int kMostEvaluations = 300;
constexpr double kSettledChange = 1e-7;

double rangeOf(std::size_t k)
{
    return kMostWeights[k] - kLeastWeights[k];
}

// The search runs over each weight's place in its range, 0 to 1, so that
// weights of very different sizes move alike.
double placeOf(double weight, std::size_t k)
{
    return (weight - kLeastWeights[k]) / rangeOf(k);
}

double weightAt(double place, std::size_t k)
{
    return std::clamp(kLeastWeights[k] + place * rangeOf(k), kLeastWeights[k], kMostWeights[k]);
}

struct FitProblem {
    AnswerChains chains;
    double predicted = 0;  // answers predicted, over which the loss is a mean
    std::stop_token stop;
    nlopt_opt optimizer = nullptr;
};

// The mean log loss with the defaults' pull, and its gradient by the places.
double meanLoss(unsigned, const double* places, double* gradient, void* data)
{
    const auto& problem = *static_cast<const FitProblem*>(data);
    if (problem.stop.stop_requested()) {
        nlopt_force_stop(problem.optimizer);
        return HUGE_VAL;
    }
    MemoryModelOf<WeightNumber>::Weights weights;
    for (std::size_t k = 0; k < kMemoryWeightCount; ++k)
        weights[k] = WeightNumber::variable(weightAt(places[k], k), k);
    const MemoryModelOf<WeightNumber> model(weights);

    WeightNumber loss = 0.0;
    problem.chains.replay(model, [&loss](const ReplayedAnswer& answer, const WeightNumber& recall) {
        loss += answerLogLoss(recall, answer.right);
    });

    double total = loss.value;
    for (std::size_t k = 0; k < kMemoryWeightCount; ++k) {
        const double away = places[k] - placeOf(MemoryModel::kDefaultWeights[k], k);
        total += kPriorStrength * away * away;
        if (gradient)
            gradient[k] = (loss.slopes[k] * rangeOf(k) + 2.0 * kPriorStrength * away) / problem.predicted;
    }
    return total / problem.predicted;
}

}  // namespace

MemoryWeights fittedWeights(const std::vector<CardAnswer>& answers, std::stop_token stop)
{
    FitProblem problem{AnswerChains(inTimeOrder(answers)), 0.0, std::move(stop)};
    problem.predicted = static_cast<double>(problem.chains.predictedCount());
    if (problem.predicted == 0)
        return MemoryModel::kDefaultWeights;

    const std::unique_ptr<nlopt_opt_s, decltype(&nlopt_destroy)> optimizer(
        nlopt_create(NLOPT_LD_LBFGS, kMemoryWeightCount), nlopt_destroy);
    nlopt_set_lower_bounds1(optimizer.get(), 0.0);
    nlopt_set_upper_bounds1(optimizer.get(), 1.0);
    problem.optimizer = optimizer.get();
    nlopt_set_min_objective(optimizer.get(), meanLoss, &problem);
    nlopt_set_ftol_rel(optimizer.get(), kSettledChange);
    nlopt_set_maxeval(optimizer.get(), kMostEvaluations);

    std::array<double, kMemoryWeightCount> places{};
    for (std::size_t k = 0; k < kMemoryWeightCount; ++k)
        places[k] = placeOf(MemoryModel::kDefaultWeights[k], k);
    double least = 0;
    const nlopt_result result = nlopt_optimize(optimizer.get(), places.data(), &least);
    // Stopped by rounding, the search still holds the best weights it met;
    // any other failure leaves the defaults.
    if (result < 0 && result != NLOPT_ROUNDOFF_LIMITED)
        return MemoryModel::kDefaultWeights;

    MemoryWeights weights{};
    for (std::size_t k = 0; k < kMemoryWeightCount; ++k)
        weights[k] = weightAt(places[k], k);
    return weights;
}

std::size_t heldOutFrom(std::size_t answers)
{
    return answers - static_cast<std::size_t>(std::ceil(static_cast<double>(answers) * kHeldOutShare));
}

namespace {

HeldOutFigures figuresOf(const std::vector<Prediction>& predictions)
{
    return {logLoss(predictions), rmseBins(predictions)};
}

}  // namespace

MemoryFit fitMemoryModel(const std::vector<CardAnswer>& answers, const MemoryWeights& current, std::stop_token stop)
{
    const std::vector<CardAnswer> ordered = inTimeOrder(answers);
    const std::size_t from = heldOutFrom(ordered.size());
    const auto heldOutPredictions = [&](const MemoryWeights& weights) {
        return predictionsOf(ordered, MemoryModel(weights), from);
    };

    MemoryFit fit;
    fit.currentWeights = current;
    fit.answers = static_cast<int>(ordered.size());
    fit.weights = fittedWeights({ordered.begin(), ordered.begin() + static_cast<std::ptrdiff_t>(from)}, stop);
    if (stop.stop_requested())
        return fit;
    const std::vector<Prediction> byDefaults = heldOutPredictions(MemoryModel::kDefaultWeights);
    fit.heldOutAnswers = static_cast<int>(byDefaults.size());
    fit.defaults = figuresOf(byDefaults);
    fit.current = current == MemoryModel::kDefaultWeights ? fit.defaults : figuresOf(heldOutPredictions(current));
    fit.fitted = figuresOf(heldOutPredictions(fit.weights));
    fit.kept = fit.fitted.logLoss < fit.current.logLoss;
    return fit;
}
