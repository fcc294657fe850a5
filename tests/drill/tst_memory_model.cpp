#include "core/drill/memory/grade.h"
#include "core/drill/memory/memory_model.h"
#include "core/drill/schedule/card_schedule.h"

#include <QtTest>

Q_DECLARE_METATYPE(Grade)

namespace {

constexpr std::int64_t kStart = 1'800'000'000'000;
constexpr std::int64_t kMinute = 60'000;

}  // namespace

// The memory model against values worked out from its formulas by hand, and
// the steps a card takes through learning and review.
class MemoryModelTest : public QObject {
    Q_OBJECT

private slots:
    void gradesComeFromRightnessAndTime_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("answerMs");
        QTest::addColumn<Grade>("grade");
        QTest::newRow("wrong, fast") << false << 500 << Grade::Again;
        QTest::newRow("wrong, slow") << false << 9000 << Grade::Again;
        QTest::newRow("right at 1.5 s") << true << 1500 << Grade::Easy;
        QTest::newRow("right at 1.501 s") << true << 1501 << Grade::Good;
        QTest::newRow("right at 4 s") << true << 4000 << Grade::Good;
        QTest::newRow("right at 4.001 s") << true << 4001 << Grade::Hard;
    }
    void gradesComeFromRightnessAndTime()
    {
        QFETCH(bool, right);
        QFETCH(int, answerMs);
        QFETCH(Grade, grade);
        QCOMPARE(gradeOf(right, answerMs), grade);
    }

    void theFirstAnswerSetsTheInitialMemory()
    {
        QCOMPARE(MemoryModel().first(Grade::Again).stability, 0.212);
        QCOMPARE(MemoryModel().first(Grade::Good).stability, 2.3065);
        QVERIFY(qAbs(MemoryModel().first(Grade::Again).difficulty - 6.4133) < 1e-9);
        QVERIFY(qAbs(MemoryModel().first(Grade::Hard).difficulty - 5.1121707056) < 1e-9);
        QVERIFY(qAbs(MemoryModel().first(Grade::Good).difficulty - 2.1181039705) < 1e-9);
        QCOMPARE(MemoryModel().first(Grade::Easy).difficulty, 1.0);  // 6.4133 − e^2.5002 + 1, clamped
    }

    void recallFallsToNinetyPercentAfterTheStability()
    {
        QVERIFY(qAbs(MemoryModel().retrievability(2.3065, 2.3065) - 0.9) < 1e-12);
        QVERIFY(qAbs(MemoryModel().retrievability(10, 2.3065) - 0.7743669168) < 1e-9);
        QCOMPARE(MemoryModel().retrievability(0, 5), 1.0);
        QVERIFY(qAbs(MemoryModel().intervalDays(2.3065, 0.9) - 2.3065) < 1e-9);
        QVERIFY(qAbs(MemoryModel().intervalDays(2.3065, 0.8) - 7.6482612469) < 1e-9);
        QVERIFY(qAbs(MemoryModel().intervalDays(10, 0.97) - 2.2276844074) < 1e-9);
    }

    // A card first answered Good, then again three days later.
    void aReviewUpdatesStabilityAndDifficulty_data()
    {
        QTest::addColumn<Grade>("grade");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::newRow("again") << Grade::Again << 0.6368506992 << 7.3945027413;
        QTest::newRow("hard") << Grade::Hard << 9.2348707818 << 4.7528584885;
        QTest::newRow("good") << Grade::Good << 13.8269036944 << 2.1112142358;
        QTest::newRow("easy") << Grade::Easy << 23.8830640792 << 1.0;
    }
    void aReviewUpdatesStabilityAndDifficulty()
    {
        QFETCH(Grade, grade);
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        const Memory after = MemoryModel().next(MemoryModel().first(Grade::Good), 3.0, grade);
        QVERIFY2(qAbs(after.stability - stability) < 1e-8, qPrintable(QString::number(after.stability, 'g', 12)));
        QVERIFY2(qAbs(after.difficulty - difficulty) < 1e-8, qPrintable(QString::number(after.difficulty, 'g', 12)));
    }

    // Within a day the short-term formula applies; Good and Easy never lower
    // the stability.
    void aSameDayReviewFollowsTheShortTermFormula_data()
    {
        QTest::addColumn<Grade>("grade");
        QTest::addColumn<double>("stability");
        QTest::newRow("again") << Grade::Again << 0.7750839829;
        QTest::newRow("hard") << Grade::Hard << 1.3333787168;
        QTest::newRow("good") << Grade::Good << 2.3065;
        QTest::newRow("easy") << Grade::Easy << 3.9460540680;
    }
    void aSameDayReviewFollowsTheShortTermFormula()
    {
        QFETCH(Grade, grade);
        QFETCH(double, stability);
        const Memory after = MemoryModel().next(MemoryModel().first(Grade::Good), 10.0 / 1440, grade);
        QVERIFY2(qAbs(after.stability - stability) < 1e-8, qPrintable(QString::number(after.stability, 'g', 12)));
    }

    // Wrong → 1 min → 10 min → by stability; a wrong answer on a step starts
    // the steps again.
    void wrongCardsTakeShortStepsThenGoByStability()
    {
        CardState state;
        state = afterAnswer(state, Grade::Again, kStart, 0.9);
        QCOMPARE(state.phase, Phase::Learning);
        QCOMPARE(state.dueMs, kStart + kMinute);
        state = afterAnswer(state, Grade::Good, kStart + kMinute, 0.9);
        QCOMPARE(state.dueMs, kStart + 11 * kMinute);

        state = afterAnswer(state, Grade::Again, kStart + 10 * kMinute, 0.9);
        QCOMPARE(state.phase, Phase::Learning);
        QCOMPARE(state.dueMs, kStart + 11 * kMinute);

        state = afterAnswer(state, Grade::Good, kStart + 11 * kMinute, 0.9);
        QCOMPARE(state.dueMs, kStart + 21 * kMinute);
        state = afterAnswer(state, Grade::Good, kStart + 21 * kMinute, 0.9);
        QCOMPARE(state.phase, Phase::Review);
        const double days = std::round(MemoryModel().intervalDays(state.memory.stability, 0.9));
        QCOMPARE(state.dueMs, kStart + 21 * kMinute + static_cast<std::int64_t>(std::max(days, 1.0)) * kMsPerDay);

        const std::int64_t reviewAt = state.dueMs;
        state = afterAnswer(state, Grade::Again, reviewAt, 0.9);
        QCOMPARE(state.phase, Phase::Relearning);
        QCOMPARE(state.lapses, 1);
        QCOMPARE(state.dueMs, reviewAt + kMinute);
        QCOMPARE(state.answers, 6);
    }

    void aNewCardAnsweredRightSkipsTheStepsAndAHigherRetentionAsksSooner()
    {
        const CardState good = afterAnswer({}, Grade::Good, kStart, 0.9);
        QCOMPARE(good.phase, Phase::Review);
        QCOMPARE(good.dueMs, kStart + 2 * kMsPerDay);  // S = 2.3065 rounds to 2 days
        const CardState easy = afterAnswer({}, Grade::Easy, kStart, 0.9);
        QCOMPARE(easy.phase, Phase::Review);
        QCOMPARE(easy.dueMs, kStart + 8 * kMsPerDay);  // S = 8.2956 rounds to 8 days

        const CardState loose = afterAnswer(easy, Grade::Good, easy.dueMs, kLeastRetention);
        const CardState strict = afterAnswer(easy, Grade::Good, easy.dueMs, kMostRetention);
        QVERIFY(strict.dueMs < loose.dueMs);
    }

    // Other weights give other memories and due dates: the first stability
    // of a Good answer is w2, and a steeper forgetting curve (w20) lowers
    // the recall once the stability has passed.
    void theModelRunsOnTheWeightsItHolds()
    {
        MemoryWeights weights = MemoryModel::kDefaultWeights;
        weights[2] = 20.0;
        weights[20] = 0.5;
        const MemoryModel model(weights);
        QCOMPARE(model.weights(), weights);
        QCOMPARE(afterAnswer({}, Grade::Good, kStart, 0.9, model).dueMs, kStart + 20 * kMsPerDay);
        QVERIFY(qAbs(model.retrievability(20.0, 20.0) - 0.9) < 1e-12);
        QVERIFY(model.retrievability(60.0, 20.0) < MemoryModel().retrievability(60.0, 20.0));
        QVERIFY(model != MemoryModel());
    }

    // Just after an answer the recall is near 1 whatever it was; a day on, a
    // card just missed has fallen well below one answered right, the more
    // so the more it was missed.
    void aCardJustMissedIsRecalledLessADayLater()
    {
        const CardState missed = afterAnswer({}, Grade::Again, kStart, 0.9);
        const CardState known = afterAnswer({}, Grade::Good, kStart, 0.9);
        CardState missedSixTimes = missed;
        for (int i = 1; i < 6; ++i)
            missedSixTimes = afterAnswer(missedSixTimes, Grade::Again, kStart + i * kMinute, 0.9);
        const std::int64_t now = kStart + 6 * kMinute;
        QVERIFY(retrievabilityAt(missed, now) > 0.99);
        QVERIFY(recallADayLater(missed, now) < 0.8);
        QVERIFY(recallADayLater(known, now) > 0.9);
        QVERIFY(recallADayLater(missedSixTimes, now) < 0.5);
        QCOMPARE(recallADayLater({}, now), 0.0);
    }
};

QTEST_APPLESS_MAIN(MemoryModelTest)
#include "tst_memory_model.moc"
