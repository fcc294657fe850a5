#include "core/drill/memory/answer_chains.h"
#include "core/drill/memory/answer_log_loss.h"
#include "core/drill/memory/dual_number.h"
#include "core/drill/memory/fit_rule.h"
#include "core/drill/memory/memory_fit.h"
#include "core/drill/memory/prediction_figures.h"
#include "core/drill/memory/weight_bounds.h"
#include "core/drill/schedule/card_schedule.h"
#include "tests/drill/fsrs_learner.h"

#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

Q_DECLARE_METATYPE(MemoryWeights)
Q_DECLARE_METATYPE(std::vector<Prediction>)

namespace {

constexpr std::int64_t kStart = FsrsLearner::kStartMs;
constexpr std::int64_t kMinute = 60'000;
constexpr std::int64_t kDay = kMsPerDay;

std::vector<CardAnswer> answersOf(const MemoryWeights& player, std::size_t count)
{
    std::vector<CardAnswer> answers = FsrsLearner(player, 11).drill(200, 20);
    answers.resize(count);
    return answers;
}

// How far a set of weights lies from the defaults, each weight measured in
// its range.
double distanceFromDefaults(const MemoryWeights& weights)
{
    double squares = 0;
    for (std::size_t k = 0; k < weights.size(); ++k) {
        const double away = (weights[k] - MemoryModel::kDefaultWeights[k]) / (kMostWeights[k] - kLeastWeights[k]);
        squares += away * away;
    }
    return std::sqrt(squares);
}

double totalLogLoss(const AnswerChains& chains, const MemoryWeights& weights)
{
    double loss = 0;
    chains.replay(MemoryModel(weights),
        [&](const ReplayedAnswer& answer, double recall) { loss += answerLogLoss(recall, answer.right); });
    return loss;
}

// Two cards answered in turn over three weeks: misses, same-day steps and
// answers fast, middling and slow.
std::vector<CardAnswer> mixedAnswers()
{
    return {{0, kStart, false, 3000}, {1, kStart + kMinute, true, 1200}, {0, kStart + 2 * kMinute, true, 5000},
        {0, kStart + 12 * kMinute, true, 2500}, {1, kStart + 3 * kDay, true, 2500}, {0, kStart + 2 * kDay, false, 6000},
        {0, kStart + 2 * kDay + kMinute, true, 1000}, {1, kStart + 20 * kDay, false, 2000},
        {0, kStart + 21 * kDay, true, 4500}};
}

}  // namespace

// The fit of the memory model to the player's answers: its gradient, its
// replay of the answers, its result on simulated players, and the figures
// that tell the player how well it predicts.
class MemoryFitTest : public QObject {
    Q_OBJECT

private slots:
    // The gradient the search follows is the log loss's own: each weight's
    // derivative, carried through the model's formulas, against the change
    // of the loss when the weight is moved a little either way.
    void theGradientIsTheLogLossOwn()
    {
        const std::vector<CardAnswer> answers = inTimeOrder(mixedAnswers());
        const AnswerChains chains(answers);
        MemoryWeights at = FsrsLearner::forgetful();
        at[7] = 0.2;  // off its bound, so that the difficulty's reversion counts

        using Number = DualNumber<kMemoryWeightCount>;
        MemoryModelOf<Number>::Weights variables;
        for (std::size_t k = 0; k < kMemoryWeightCount; ++k)
            variables[k] = Number::variable(at[k], k);
        Number loss = 0.0;
        chains.replay(MemoryModelOf<Number>(variables),
            [&](const ReplayedAnswer& answer, const Number& recall) { loss += answerLogLoss(recall, answer.right); });

        QVERIFY(qAbs(loss.value - totalLogLoss(chains, at)) < 1e-12);
        for (std::size_t k = 0; k < kMemoryWeightCount; ++k) {
            const double step = 1e-6 * std::max(1.0, at[k]);
            MemoryWeights up = at;
            MemoryWeights down = at;
            up[k] += step;
            down[k] -= step;
            const double change = (totalLogLoss(chains, up) - totalLogLoss(chains, down)) / (2 * step);
            QVERIFY2(qAbs(loss.slopes[k] - change) < 1e-5 * std::max(1.0, qAbs(change)),
                qPrintable(QStringLiteral("w%1: %2 against %3").arg(k).arg(loss.slopes[k]).arg(change)));
        }
    }

    // The recall predicted before each answer is the one the drill held for
    // the card then, its answers graded and scheduled as the drill does; a
    // card never asked predicts 0.
    void theReplayPredictsWhatTheDrillHeld()
    {
        const std::vector<CardAnswer> answers = inTimeOrder(mixedAnswers());
        const MemoryModel model(FsrsLearner::forgetful());
        const std::vector<double> recalls = recallBeforeEach(answers, model);

        std::vector<CardState> states(2);
        for (std::size_t i = 0; i < answers.size(); ++i) {
            CardState& state = states[static_cast<std::size_t>(answers[i].card)];
            QCOMPARE(recalls[i], retrievabilityAt(state, answers[i].atMs, model));
            state = afterAnswer(state, gradeOf(answers[i].right, answers[i].answerMs), answers[i].atMs,
                kDefaultRetention, model);
        }

        const std::vector<Prediction> predictions = predictionsOf(answers, model);
        QCOMPARE(predictions.size(), answers.size() - 2);
        const Prediction& last = *std::find_if(predictions.begin(), predictions.end(),
            [](const Prediction& p) { return p.earlierAnswers == 5; });  // card 0 at day 21
        QCOMPARE(last.earlierAnswers, 5);
        QCOMPARE(last.earlierMisses, 2);
        QVERIFY(qAbs(last.days - 19.0 + 1.0 / 1440) < 1e-9);
    }

    // On a player far from the defaults the fitted weights predict the
    // answers held out clearly better and are kept; on a player at the
    // defaults they predict them no worse. Either way within FSRS-6's
    // bounds, and the same answers give the same weights.
    void theFitPredictsAnswersItHasNotSeen_data()
    {
        QTest::addColumn<MemoryWeights>("player");
        QTest::addColumn<double>("leastGain");  // in log loss on the held-out answers
        QTest::newRow("a forgetful player") << FsrsLearner::forgetful() << 0.01;
        QTest::newRow("a player at the defaults") << MemoryModel::kDefaultWeights << -0.002;
    }
    void theFitPredictsAnswersItHasNotSeen()
    {
        QFETCH(MemoryWeights, player);
        QFETCH(double, leastGain);
        const std::vector<CardAnswer> answers = answersOf(player, 5000);
        const MemoryFit fit = fitMemoryModel(answers, MemoryModel::kDefaultWeights);

        QCOMPARE(fit.answers, 5000);
        QVERIFY(fit.heldOutAnswers > 800 && fit.heldOutAnswers <= 1000);
        const double gain = fit.defaults.logLoss - fit.fitted.logLoss;
        QVERIFY2(gain >= leastGain, qPrintable(QStringLiteral("log loss %1 → %2")
                                                   .arg(fit.defaults.logLoss)
                                                   .arg(fit.fitted.logLoss)));
        QCOMPARE(fit.kept, gain > 0);
        if (leastGain > 0)
            QVERIFY(fit.fitted.rmseBins < fit.defaults.rmseBins);
        for (std::size_t k = 0; k < kMemoryWeightCount; ++k)
            QVERIFY(fit.weights[k] >= kLeastWeights[k] && fit.weights[k] <= kMostWeights[k]);

        QCOMPARE(fitMemoryModel(answers, MemoryModel::kDefaultWeights).weights, fit.weights);
        std::vector<CardAnswer> shuffled = answers;
        std::reverse(shuffled.begin(), shuffled.end());
        QCOMPARE(fittedWeights(shuffled), fittedWeights(answers));
    }

    // Weights already as good as the fit are not replaced: the fit must do
    // better than the current weights, not as well; the current weights'
    // figures are their own.
    void onlyBetterWeightsAreKept()
    {
        const std::vector<CardAnswer> answers = answersOf(FsrsLearner::forgetful(), 2000);
        const MemoryFit first = fitMemoryModel(answers, MemoryModel::kDefaultWeights);
        QVERIFY(first.kept);
        const MemoryFit again = fitMemoryModel(answers, first.weights);
        QCOMPARE(again.current.logLoss, first.fitted.logLoss);
        QCOMPARE(again.defaults.logLoss, first.defaults.logLoss);
        QVERIFY(!again.kept);
    }

    // Few answers leave the weights near the defaults; more move them
    // further toward the player's. No answer to predict leaves the defaults.
    void theDefaultsHoldLessAsAnswersGrow()
    {
        const double few = distanceFromDefaults(fittedWeights(answersOf(FsrsLearner::forgetful(), 300)));
        const double many = distanceFromDefaults(fittedWeights(answersOf(FsrsLearner::forgetful(), 5000)));
        QVERIFY2(few < many, qPrintable(QStringLiteral("%1 against %2").arg(few).arg(many)));
        QVERIFY(few > 0);

        QCOMPARE(fittedWeights({}), MemoryModel::kDefaultWeights);
        QCOMPARE(fittedWeights({{0, kStart, true, 2000}, {1, kStart, false, 2000}}), MemoryModel::kDefaultWeights);
        const MemoryFit empty = fitMemoryModel({}, MemoryModel::kDefaultWeights);
        QVERIFY(std::isnan(empty.fitted.logLoss));
        QVERIFY(!empty.kept);
    }

    // A fit asked to stop, before or during its search, ends within a pass
    // over the answers and keeps nothing.
    void aStoppedFitEndsAtOnceAndKeepsNothing()
    {
        const std::vector<CardAnswer> answers = answersOf(FsrsLearner::forgetful(), 5000);
        std::stop_source before;
        before.request_stop();
        QVERIFY(!fitMemoryModel(answers, MemoryModel::kDefaultWeights, before.get_token()).kept);

        std::stop_source during;
        QElapsedTimer stopped;
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            stopped.start();
            during.request_stop();
        });
        const MemoryFit fit = fitMemoryModel(answers, MemoryModel::kDefaultWeights, during.get_token());
        const qint64 afterStop = stopped.elapsed();
        stopper.join();
        QCOMPARE(fit.weights, MemoryModel::kDefaultWeights);  // stopped in its search, not after it
        QVERIFY(!fit.kept);
        QVERIFY2(afterStop < 500, qPrintable(QStringLiteral("%1 ms after the stop").arg(afterStop)));
    }

    void theDrillFitsFromAFewHundredAnswersAndEachTimeTheyDouble_data()
    {
        QTest::addColumn<int>("answers");
        QTest::addColumn<int>("atLastFit");
        QTest::addColumn<bool>("due");
        QTest::newRow("none yet") << 0 << 0 << false;
        QTest::newRow("one short of the first") << 299 << 0 << false;
        QTest::newRow("the first") << 300 << 0 << true;
        QTest::newRow("not yet doubled") << 599 << 300 << false;
        QTest::newRow("doubled") << 600 << 300 << true;
        QTest::newRow("doubled since an early fit asked for") << 400 << 200 << true;
        QTest::newRow("not doubled since a late one") << 1999 << 1000 << false;
    }
    void theDrillFitsFromAFewHundredAnswersAndEachTimeTheyDouble()
    {
        QFETCH(int, answers);
        QFETCH(int, atLastFit);
        QFETCH(bool, due);
        QCOMPARE(fitIsDue(answers, atLastFit), due);
    }

    // Log loss and RMSE(bins) of predictions worked out by hand. The bins
    // go by the answers' history, so that predicting the average does not
    // hide a poor model.
    void theFiguresOfPredictions_data()
    {
        QTest::addColumn<std::vector<Prediction>>("predictions");
        QTest::addColumn<double>("logLoss");
        QTest::addColumn<double>("rmseBins");
        // Same interval, answers and misses: one bin, mean 0.8 against 0.5.
        QTest::newRow("one bin") << std::vector<Prediction>{{0.9, true, 2.0, 1, 0}, {0.7, false, 2.5, 1, 0}}
                                 << (-std::log(0.9) - std::log(0.3)) / 2 << 0.3;
        // Intervals of 2 and 20 days fall apart: 0.1 and 0.7 off.
        QTest::newRow("two intervals") << std::vector<Prediction>{{0.9, true, 2.0, 1, 0}, {0.7, false, 20.0, 1, 0}}
                                       << (-std::log(0.9) - std::log(0.3)) / 2 << std::sqrt((0.01 + 0.49) / 2);
        QTest::newRow("two histories") << std::vector<Prediction>{{0.9, true, 2.0, 1, 0}, {0.7, false, 2.0, 1, 3}}
                                       << (-std::log(0.9) - std::log(0.3)) / 2 << std::sqrt((0.01 + 0.49) / 2);
        // A sure prediction gone wrong costs ln 10⁴, not an endless loss.
        QTest::newRow("sure and wrong") << std::vector<Prediction>{{1.0, false, 0.0, 1, 0}} << std::log(1e4) << 1.0;
        QTest::newRow("none") << std::vector<Prediction>{} << qQNaN() << qQNaN();
    }
    void theFiguresOfPredictions()
    {
        QFETCH(std::vector<Prediction>, predictions);
        QFETCH(double, logLoss);
        QFETCH(double, rmseBins);
        if (std::isnan(logLoss)) {
            QVERIFY(std::isnan(::logLoss(predictions)) && std::isnan(::rmseBins(predictions)));
            return;
        }
        QVERIFY(qAbs(::logLoss(predictions) - logLoss) < 1e-9);
        QVERIFY(qAbs(::rmseBins(predictions) - rmseBins) < 1e-9);
    }

    void theCalibrationSetsPredictionsAgainstTheShareRight()
    {
        const std::vector<CalibrationBin> bins = calibrationBins(
            {{0.0, false, 1, 1, 0}, {0.95, true, 1, 1, 0}, {1.0, true, 1, 1, 0}, {0.91, false, 1, 1, 0},
                {0.45, true, 1, 1, 0}});
        QCOMPARE(bins.size(), std::size_t{10});
        QCOMPARE(bins[0].answers, 1);
        QCOMPARE(bins[0].shareRight, 0.0);
        QCOMPARE(bins[4].answers, 1);
        QCOMPARE(bins[4].from, 0.4);
        QCOMPARE(bins[5].answers, 0);
        QCOMPARE(bins[9].answers, 3);
        QVERIFY(qAbs(bins[9].meanPredicted - (0.95 + 1.0 + 0.91) / 3) < 1e-12);
        QVERIFY(qAbs(bins[9].shareRight - 2.0 / 3) < 1e-12);
        QCOMPARE(bins[9].to, 1.0);
    }
};

QTEST_APPLESS_MAIN(MemoryFitTest)
#include "tst_memory_fit.moc"
