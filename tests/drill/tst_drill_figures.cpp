#include "core/drill/figures/daily_work.h"
#include "core/drill/figures/due_forecast.h"
#include "core/drill/figures/true_retention.h"
#include "core/drill/schedule/card_schedule.h"
#include "core/drill/schedule/replayed_states.h"

#include <QtTest>

Q_DECLARE_METATYPE(TrueRetention)

namespace {

constexpr std::int64_t kStart = 1'800'000'000'000;
constexpr std::int64_t kMinute = 60'000;
constexpr std::int64_t kDay = kMsPerDay;
constexpr std::int64_t kJapan = 9 * 3'600'000;

// Four cards over forty days: first answers, reviews right and wrong, the
// short steps after misses, and reviews on the edges of the spans.
std::vector<CardAnswer> answersOverFortyDays()
{
    std::vector<CardAnswer> answers = {
        {0, kStart + 10 * kDay, true, 2000},  // first
        {0, kStart + 20 * kDay, true, 2000},  // review
        {0, kStart + 34 * kDay, false, 2000},  // review, missed
        {0, kStart + 34 * kDay + kMinute, true, 2000},  // step
        {0, kStart + 34 * kDay + 11 * kMinute, true, 2000},  // step
        {0, kStart + 38 * kDay, true, 2000},  // review
        {1, kStart + 35 * kDay, false, 2000},  // first, missed
        {1, kStart + 35 * kDay + kMinute, true, 2000},  // step
        {1, kStart + 35 * kDay + 11 * kMinute, true, 2000},  // step
        {1, kStart + 39 * kDay, true, 2000},  // review
        {1, kStart + 41 * kDay, true, 2000},  // after now
        {2, kStart + 5 * kDay, true, 2000},  // first
        {2, kStart + 9 * kDay, true, 2000},  // review, 31 days ago
        {3, kStart + kDay, true, 2000},  // first
        {3, kStart + 33 * kDay, true, 2000},  // review, 7 days ago to the millisecond
        {3, kStart + 40 * kDay, false, 2000},  // review, now
    };
    return inTimeOrder(answers);
}

std::int64_t midnight(std::int64_t dayFromToday, std::int64_t nowMs)
{
    return (playerDayOf(nowMs, kJapan) + dayFromToday) * kDay - kJapan;
}

CardState dueAt(std::int64_t dueMs)
{
    CardState state;
    state.phase = Phase::Review;
    state.memory = {5.0, 5.0};
    state.lastAnswerMs = dueMs - 5 * kDay;
    state.dueMs = dueMs;
    return state;
}

// Fifty cards in review, a few days into their stability, due over the
// next days.
std::vector<CardState> deckInReview(std::int64_t nowMs)
{
    std::vector<CardState> states(60);
    for (std::size_t card = 0; card < 50; ++card)
        states[card] = dueAt(nowMs + static_cast<std::int64_t>(card % 10) * kDay);
    return states;
}

}  // namespace

// What the drill tells the player of their work: the retention they really
// keep, the cards due in the next days, the work a desired retention costs,
// and the cards' states replayed with other weights.
class DrillFiguresTest : public QObject {
    Q_OBJECT

private slots:
    void theTrueRetentionCountsOnlyReviews_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<TrueRetention>("retention");
        QTest::newRow("7 days") << 7 << TrueRetention{4, 2};
        QTest::newRow("30 days") << 30 << TrueRetention{6, 4};
        QTest::newRow("all") << 100 << TrueRetention{7, 5};
    }
    void theTrueRetentionCountsOnlyReviews()
    {
        QFETCH(int, days);
        QFETCH(TrueRetention, retention);
        QCOMPARE(trueRetention(answersOverFortyDays(), kStart + 40 * kDay, days), retention);
    }

    // By the player's days: a card due before today counts today, one due
    // a millisecond before midnight still today, new cards not at all.
    void theForecastCountsTheCardsDueEachDay()
    {
        const std::int64_t now = midnight(0, kStart) + 20 * 3'600'000;
        std::vector<CardState> states = {CardState{}, dueAt(now - 30 * kDay), dueAt(now + 3'600'000),
            dueAt(midnight(1, now) - 1), dueAt(midnight(1, now)), dueAt(midnight(1, now) + 5 * 3'600'000),
            dueAt(midnight(13, now)), dueAt(midnight(14, now))};
        const std::vector<int> due = dueForecast(states, now, kJapan);
        QCOMPARE(due.size(), std::size_t{14});
        const std::vector<int> expected = {3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
        QCOMPARE(due, expected);
        QCOMPARE(dueForecast(states, now, 0, 3).size(), std::size_t{3});
    }

    // A higher desired retention asks for more answers; the same seed gives
    // the same figure; nothing begun asks for nothing.
    void aHigherRetentionCostsMoreWork()
    {
        const MemoryModel model;
        const std::vector<CardState> deck = deckInReview(kStart);
        const double loose = expectedAnswersADay(deck, model, kLeastRetention, kStart, 1);
        const double usual = expectedAnswersADay(deck, model, kDefaultRetention, kStart, 1);
        const double strict = expectedAnswersADay(deck, model, kMostRetention, kStart, 1);
        QVERIFY2(loose < usual && usual < strict,
            qPrintable(QStringLiteral("%1 %2 %3").arg(loose).arg(usual).arg(strict)));
        // Each of the fifty cards comes at least once in thirty days.
        QVERIFY(loose > 50.0 / 30);
        QCOMPARE(expectedAnswersADay(deck, model, kDefaultRetention, kStart, 1), usual);
        QCOMPARE(expectedAnswersADay(std::vector<CardState>(10), model, kDefaultRetention, kStart, 1), 0.0);
    }

    // The history replayed through other weights gives the states the drill
    // would have held with them; answers to cards not in the deck are left
    // out.
    void theScheduleIsReplayedWithTheWeightsGiven()
    {
        MemoryWeights slow = MemoryModel::kDefaultWeights;
        slow[2] = 20.0;  // a first Good answer holds 20 days
        const std::vector<CardAnswer> answers = {{0, kStart, true, 2000}, {5, kStart, true, 2000}};
        const std::vector<CardState> byDefaults = statesAfter(answers, 2, MemoryModel(), kDefaultRetention);
        const std::vector<CardState> bySlow = statesAfter(answers, 2, MemoryModel(slow), kDefaultRetention);
        QCOMPARE(byDefaults.size(), std::size_t{2});
        QCOMPARE(byDefaults[0], afterAnswer({}, Grade::Good, kStart, kDefaultRetention));
        QCOMPARE(bySlow[0].dueMs, kStart + 20 * kDay);
        QCOMPARE(bySlow[1], CardState{});
    }
};

QTEST_APPLESS_MAIN(DrillFiguresTest)
#include "tst_drill_figures.moc"
