#include "core/drill/memory/fit_rule.h"
#include "core/drill/memory/memory_work.h"
#include "core/drill/schedule/card_schedule.h"
#include "core/drill/schedule/replayed_states.h"
#include "tests/drill/fsrs_learner.h"

#include <QtTest>

namespace {

constexpr int kCards = 200;

// The first `count` answers of a forgetful player, who learns 5 new cards a
// day, on fewer than kCards cards.
std::vector<CardAnswer> answersOf(std::size_t count)
{
    MemoryWeights forgetful = MemoryModel::kDefaultWeights;
    forgetful[0] = 0.05;
    forgetful[2] = 0.8;
    forgetful[20] = 0.5;
    std::vector<CardAnswer> answers = FsrsLearner(forgetful, 4).drill(kCards / 5, 5);
    [&] { QVERIFY(answers.size() >= count); }();
    answers.resize(count);
    return answers;
}

MemoryRequest requestOf(MemoryRequest::Fit fit, std::int64_t nowMs)
{
    return {fit, MemoryModel::kDefaultWeights, 0, nowMs, kDefaultRetention, kCards};
}

}  // namespace

// The drill's work on its memory model, as its worker does it: a fit when
// asked or due, the figures of the weights in use after it, and the cards
// replayed through kept weights taken only where the replay saw all.
class TestMemoryWork : public QObject {
    Q_OBJECT

private slots:
    void fitsWhenAskedOrDue_data()
    {
        QTest::addColumn<int>("fit");
        QTest::addColumn<int>("answers");
        QTest::addColumn<bool>("fitted");
        QTest::newRow("never") << int(MemoryRequest::Fit::Never) << 400 << false;
        QTest::newRow("not yet due") << int(MemoryRequest::Fit::IfDue) << int(kFirstFitAnswers) - 1 << false;
        QTest::newRow("due") << int(MemoryRequest::Fit::IfDue) << int(kFirstFitAnswers) << true;
        QTest::newRow("asked, however few") << int(MemoryRequest::Fit::Now) << 40 << true;
    }

    void fitsWhenAskedOrDue()
    {
        QFETCH(int, fit);
        QFETCH(int, answers);
        QFETCH(bool, fitted);
        const std::vector<CardAnswer> log = answersOf(std::size_t(answers));
        const std::int64_t now = log.back().atMs + kMsPerDay;
        const MemoryWork work = memoryWork(log, requestOf(MemoryRequest::Fit(fit), now));
        QCOMPARE(work.answers, answers);
        QCOMPARE(work.fit.has_value(), fitted);
        QCOMPARE(work.lastWeek, trueRetention(log, now, 7));
        QCOMPARE(work.lastMonth, trueRetention(log, now, 30));
    }

    // A kept fit's weights are the ones the figures and the replay are of;
    // the calibration is of the latest fifth of the answers.
    void aKeptFitReplaysTheCardsAndIsTheOneChecked()
    {
        const std::vector<CardAnswer> log = answersOf(1000);
        const MemoryWork work = memoryWork(log, requestOf(MemoryRequest::Fit::Now, log.back().atMs + kMsPerDay));
        QVERIFY(work.fit && work.fit->kept);
        const MemoryModel fitted(work.fit->weights);
        QCOMPARE(work.replayed, statesAfter(log, kCards, fitted, kDefaultRetention));
        const std::vector<Prediction> heldOut = predictionsOf(log, fitted, log.size() - 200);
        QCOMPARE(work.calibration.size(), calibrationBins(heldOut).size());
        for (std::size_t bin = 0; bin < work.calibration.size(); ++bin)
            QCOMPARE(work.calibration[bin].answers, calibrationBins(heldOut)[bin].answers);

        const MemoryWork unchanged = memoryWork(log, requestOf(MemoryRequest::Fit::Never, log.back().atMs));
        QVERIFY(unchanged.replayed.empty());
    }

    // Only a card whose every answer the replay met takes its replayed state.
    void replayedStatesReplaceOnlyWholeOnes()
    {
        const std::vector<CardAnswer> log = {{0, 1000, true, 2000}, {1, 2000, false, 2000}, {2, 3000, true, 2000}};
        const std::vector<CardState> replayed = statesAfter(log, 4, MemoryModel(), kDefaultRetention);
        std::vector<CardState> states = statesAfter(log, 4, MemoryModel(), 0.8);
        states[1] = afterAnswer(states[1], Grade::Good, 90'000, 0.8);  // answered since the history was read
        states[2] = {Phase::Review, {3.0, 5.0}, 0, 500, 9000, 1, 0};   // an answer the history did not keep
        states[3] = {Phase::Review, {9.0, 4.0}, 0, 100, 9000, 0, 0};   // taken over, never answered here
        const std::vector<CardState> merged = withReplayedStates(states, replayed);
        QCOMPARE(merged[0], replayed[0]);
        QCOMPARE(merged[1], states[1]);
        QCOMPARE(merged[2], states[2]);
        QCOMPARE(merged[3], states[3]);
    }
};

QTEST_GUILESS_MAIN(TestMemoryWork)
#include "tst_memory_work.moc"
