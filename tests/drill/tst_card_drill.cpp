#include "core/drill/card_drill.h"
#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/teaching_order.h"
#include "core/drill/daily_results.h"
#include "core/pairs/pair_verdict.h"
#include "tests/drill/simulated_learner.h"

#include <QtTest>

#include <algorithm>
#include <limits>
#include <random>
#include <set>

namespace {

constexpr std::int64_t kStart = 1'800'000'000'000;
constexpr std::int64_t kMinute = 60'000;
constexpr int kGoodMs = 2000;

int rightGroup(const CardDrill& drill)
{
    return CardDeck::instance().card(drill.current().card).group;
}

// Answers the current question right with a Good time and asks the next.
void answerRight(CardDrill& drill, std::int64_t nowMs)
{
    drill.answer(rightGroup(drill), kGoodMs, nowMs);
    drill.next(nowMs);
}

// A learned card, answered `daysAgo` days ago with stability `stability`, due now.
CardState reviewCard(double stability, double daysAgo)
{
    CardState state;
    state.phase = Phase::Review;
    state.memory = {stability, 5.0};
    state.lastAnswerMs = kStart - static_cast<std::int64_t>(daysAgo * kMsPerDay);
    state.dueMs = kStart - 1;
    state.answers = 3;
    return state;
}

// How the simulated learner fares, questions asked 100 a day, six seconds
// apart. `ask` gives the card of each question.
struct Practice {
    std::vector<double> accuracyByDay;  // at the end of each day
    int questionsTo85 = std::numeric_limits<int>::max();  // max while never reached
    int questionsTo90 = std::numeric_limits<int>::max();
};

constexpr int kQuestionsADay = 100;
constexpr int kDaysPractised = 30;
constexpr std::int64_t kQuestionGapMs = 6000;

template <typename Deck, typename Ask, typename Answered>
Practice practise(SimulatedLearner<Deck>& learner, Ask ask, Answered answered)
{
    Practice practice;
    int asked = 0;
    for (int day = 0; day < kDaysPractised; ++day) {
        std::int64_t now = kStart + day * kMsPerDay;
        for (int question = 0; question < kQuestionsADay; ++question, now += kQuestionGapMs) {
            const int card = ask(now);
            const bool recalled = learner.recall(card, now) > 0.5;
            const int chosen = learner.answer(card, now);
            answered(chosen, recalled ? kGoodMs : 5000, now);
            ++asked;
            const double accuracy = learner.accuracy(now);
            if (accuracy >= 0.85)
                practice.questionsTo85 = std::min(practice.questionsTo85, asked);
            if (accuracy >= 0.90)
                practice.questionsTo90 = std::min(practice.questionsTo90, asked);
        }
        practice.accuracyByDay.push_back(learner.accuracy(now));
    }
    return practice;
}

template <typename Deck>
Practice practiseWithTheDrill(std::uint64_t seed)
{
    SimulatedLearner<Deck> learner(seed);
    Drill<Deck> drill(seed, kStart);
    return practise(
        learner,
        [&](std::int64_t now) {
            drill.next(now);
            return drill.current().card;
        },
        [&](int chosen, int answerMs, std::int64_t now) { drill.answer(chosen, answerMs, now); });
}

// Random patterns of random groups, with no returns.
Practice practiseAtRandom(std::uint64_t seed)
{
    SimulatedLearner<CardDeck> learner(seed);
    const CardDeck& deck = CardDeck::instance();
    std::array<std::vector<int>, 8> patternsCards;  // one entry per pattern
    for (int card = 0; card < deck.size(); ++card) {
        std::vector<int>& cards = patternsCards[static_cast<std::size_t>(deck.card(card).group)];
        cards.insert(cards.end(), deck.card(card).patterns.size(), card);
    }
    std::mt19937_64 random(seed);
    return practise(
        learner,
        [&](std::int64_t) {
            const auto& cards = patternsCards[std::uniform_int_distribution<std::size_t>(0, 7)(random)];
            return cards[std::uniform_int_distribution<std::size_t>(0, cards.size() - 1)(random)];
        },
        [](int, int, std::int64_t) {});
}

// Pairs as the reels bring them: every pair as likely as another, the pairs
// that make a bonus certain among the many that leave it open.
Practice practisePairsAsTheyCome(std::uint64_t seed)
{
    SimulatedLearner<PairDeck> learner(seed);
    const PairDeck& deck = PairDeck::instance();
    std::vector<int> pairsCards;  // one entry per pair
    for (int card = 0; card < deck.size(); ++card)
        pairsCards.insert(pairsCards.end(), deck.card(card).pairs.size(), card);
    std::mt19937_64 random(seed);
    return practise(
        learner,
        [&](std::int64_t) { return pairsCards[std::uniform_int_distribution<std::size_t>(0, pairsCards.size() - 1)(random)]; },
        [](int, int, std::int64_t) {});
}

// The higher of the two middle values of an even count.
int medianOf(std::vector<int> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

QByteArray questionsText(int questions)
{
    return questions == std::numeric_limits<int>::max() ? QByteArray("never") : QByteArray::number(questions);
}

}  // namespace

// The queue of the card drill, and what it does for a player who forgets.
class CardDrillTest : public QObject {
    Q_OBJECT

private slots:
    // The drill schedules and shows recall with the weights it is given.
    void theDrillRunsOnTheWeightsItIsGiven()
    {
        CardDrill drill(1, kStart);
        MemoryWeights weights = MemoryModel::kDefaultWeights;
        weights[2] = 20.0;  // a first Good answer holds 20 days
        drill.setMemoryModel(MemoryModel(weights));
        QCOMPARE(drill.memoryModel().weights(), weights);
        const int card = drill.current().card;
        const AnswerResult result = drill.answer(rightGroup(drill), kGoodMs, kStart);
        QCOMPARE(result.after.dueMs, kStart + 20 * kMsPerDay);
        QVERIFY(qAbs(drill.retrievabilityOf(card, kStart + 20 * kMsPerDay) - 0.9) < 1e-12);
        QCOMPARE(drill.recallADayLaterOf(card, kStart), drill.retrievabilityOf(card, kStart + kMsPerDay));
    }

    void newCardsComeInTeachingOrder()
    {
        CardDrill drill(1, kStart);
        const std::vector<int> order = teachingOrder(CardDeck::instance());
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(drill.current().card, order[static_cast<std::size_t>(i)]);
            QVERIFY(!drill.current().caughtUp);
            answerRight(drill, kStart + i * 5000);
        }
    }

    void dueCardsComeFirstLowestRecallFirst()
    {
        CardDrill drill(1, kStart);
        std::vector<CardState> states(static_cast<std::size_t>(CardDeck::instance().size()));
        states[10] = reviewCard(10, 12);
        states[20] = reviewCard(3, 12);  // longest past its stability: lowest recall
        states[30] = reviewCard(10, 10);
        drill.restore({}, states, {}, kStart);
        QCOMPARE(drill.current().card, 20);
        answerRight(drill, kStart);
        QCOMPARE(drill.current().card, 10);
        answerRight(drill, kStart);
        QCOMPARE(drill.current().card, 30);
        answerRight(drill, kStart);
        QCOMPARE(drill.current().card, teachingOrder(CardDeck::instance()).front());
    }

    // A wrong answer brings the card back after a minute, before new cards.
    void aWrongCardReturnsAfterItsStep()
    {
        CardDrill drill(1, kStart);
        const int missed = drill.current().card;
        drill.answer((rightGroup(drill) + 1) % 8, kGoodMs, kStart);
        drill.next(kStart);
        QVERIFY(drill.current().card != missed);
        answerRight(drill, kStart + 30'000);
        drill.next(kStart + kMinute);
        QCOMPARE(drill.current().card, missed);
    }

    // With the cap reached the drill says it is caught up, keeps asking the
    // cards closest to being forgotten, and counts every answer; the next
    // day brings new cards again.
    void aCappedDrillNeverRunsDry()
    {
        CardDrill drill(1, kStart);
        drill.setSettings({kDefaultRetention, 2, 0});
        drill.next(kStart);
        std::set<int> asked;
        for (int i = 0; i < 12; ++i) {
            asked.insert(drill.current().card);
            QCOMPARE(drill.current().caughtUp, i >= 2);
            answerRight(drill, kStart + i * 5000);
        }
        QCOMPARE(asked.size(), std::size_t{2});
        QCOMPARE(drill.score().total.answered, 12);
        QCOMPARE(drill.today(kStart + kMinute).newCards, 2);
        QCOMPARE(drill.today(kStart + kMinute).reviews, 10);

        drill.next(kStart + kMsPerDay);
        QVERIFY(!drill.current().caughtUp);
        QCOMPARE(drill.today(kStart + kMsPerDay).newCards, 0);
    }

    void theLeftFilterLimitsTheQueue()
    {
        CardDrill drill(1, kStart);
        drill.setLeftFilter(15, kStart);
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(drill.current().asked.left, 15);
            answerRight(drill, kStart + i * 5000);
        }
        drill.setLeftFilter(7, kStart + kMinute);
        QCOMPARE(drill.current().asked.left, 7);
    }

    // The only card left to ask shows another of its patterns each time.
    void aCardNeverRepeatsThePatternItShowedLast()
    {
        CardDrill drill(3, kStart);
        drill.setSettings({kDefaultRetention, 1, 0});
        const int card = drill.current().card;
        QVERIFY(CardDeck::instance().card(card).patterns.size() > 1);
        Pattern last = drill.current().asked;
        for (int i = 0; i < 20; ++i) {
            answerRight(drill, kStart + i * 5000);
            QCOMPARE(drill.current().card, card);
            QVERIFY(drill.current().asked != last);
            last = drill.current().asked;
        }
    }

    void theSameSeedAsksTheSameQuestions()
    {
        CardDrill one(7, kStart);
        CardDrill other(7, kStart);
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(one.current().asked, other.current().asked);
            const int group = i % 8;
            one.answer(group, 3000, kStart + i * 4000);
            other.answer(group, 3000, kStart + i * 4000);
            one.next(kStart + i * 4000);
            other.next(kStart + i * 4000);
        }
    }

    void todayCountsWhatIsDoneAndLeft()
    {
        CardDrill drill(1, kStart);
        const int cards = CardDeck::instance().size();
        QCOMPARE(drill.today(kStart).remaining, cards);
        drill.answer((rightGroup(drill) + 1) % 8, kGoodMs, kStart);
        QCOMPARE(drill.today(kStart).newCards, 1);
        QCOMPARE(drill.today(kStart).remaining, cards - 1);
        QCOMPARE(drill.today(kStart + kMinute).remaining, cards);  // its step is due
        drill.setSettings({kDefaultRetention, 5, 0});
        QCOMPARE(drill.today(kStart).remaining, 4);
    }

    // One entry a day, oldest first; the median of an even count is the
    // lower middle; a day starts at the player's midnight.
    void dailyResultsSumUpEachDay()
    {
        const std::int64_t day = kStart / kMsPerDay;
        const std::int64_t midnight = day * kMsPerDay;
        const std::vector<PastAnswer> answers = {
            {midnight - 2 * kMsPerDay, true, 900},  // before the first day shown
            {midnight - kMsPerDay, true, 3000},     {midnight - kMsPerDay + 10, false, 1000},
            {midnight - kMsPerDay + 20, true, 2000}, {midnight + 5, true, 4000},
            {midnight + 6, false, 1000},            {midnight + kMsPerDay - 1, true, 2500},
        };
        const std::vector<DayResult> days = dailyResults(answers, day, 2, 0);
        QCOMPARE(days, (std::vector<DayResult>{{day - 1, 3, 2, 2000}, {day, 3, 2, 2500}}));

        // Nine hours ahead of UTC, the last answer falls on the next day.
        const std::vector<DayResult> east = dailyResults(answers, day, 1, 9 * 3'600'000);
        QCOMPARE(east.front().answered, 2);
        QCOMPARE(dailyResults({}, day, 30, 0).size(), std::size_t{30});
    }

    // The same queue over the pair cards: the first new card in their
    // teaching order, a pair of that card in its order, judged by the pair's
    // own verdict, counted under it; the left filter holds for pairs too.
    void thePairDrillAsksPairsAndJudgesThemByVerdict()
    {
        const PairDeck& deck = PairDeck::instance();
        PairDrill drill(2, kStart);
        QCOMPARE(drill.current().card, teachingOrder(deck).front());
        for (int i = 0; i < 6; ++i) {
            const PairDrill::Question asked = drill.current();
            const PairCard& card = deck.card(asked.card);
            QCOMPARE(deck.cardOf(card.order, asked.asked), asked.card);
            const int verdict = verdictIndexOf(readPair(card.order, asked.asked).verdict);
            const bool answerRight = i % 2 == 0;
            const AnswerResult result = drill.answer(answerRight ? verdict : (verdict + 1) % 5, kGoodMs, kStart + i);
            QCOMPARE(result.right, answerRight);
            QCOMPARE(result.answer, verdict);
            QCOMPARE(result.grade, answerRight ? Grade::Good : Grade::Again);
            QCOMPARE(drill.states()[static_cast<std::size_t>(asked.card)].answers, 1);
            drill.next(kStart + i);
        }
        QCOMPARE(drill.score().total, (Tally{6, 3}));
        int counted = 0;
        for (const Tally& tally : drill.score().byAnswer)
            counted += tally.answered;
        QCOMPARE(counted, 6);

        drill.setLeftFilter(18, kStart + kMinute);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(drill.current().asked.left, 18);
            drill.answer(deck.answerOf(drill.current().card), kGoodMs, kStart + kMinute);
            drill.next(kStart + kMinute);
        }
    }

    // A month of 100 questions a day, for each of 40 learners: the drill
    // brings the share of all patterns answered right, averaged over the
    // eight groups, to 85 % within 320 questions and to 90 % within 600 (the
    // median learner), and every learner is far ahead of asking at random.
    void aForgettingLearnerLearnsFarMoreFromTheSchedule()
    {
        std::vector<int> to85;
        std::vector<int> to90;
        QByteArray figures;
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            const Practice scheduled = practiseWithTheDrill<CardDeck>(seed);
            const Practice atRandom = practiseAtRandom(seed);
            QVERIFY(scheduled.questionsTo85 < atRandom.questionsTo85 / 2);
            QVERIFY(scheduled.questionsTo90 < atRandom.questionsTo90 / 2);
            QVERIFY(scheduled.accuracyByDay.back() > 0.98);
            QVERIFY(scheduled.accuracyByDay.back() > atRandom.accuracyByDay.back() + 0.05);
            to85.push_back(scheduled.questionsTo85);
            to90.push_back(scheduled.questionsTo90);
            figures += " " + questionsText(scheduled.questionsTo85) + "/" + questionsText(scheduled.questionsTo90) + " (" +
                       questionsText(atRandom.questionsTo85) + "/" + questionsText(atRandom.questionsTo90) + ")";
        }
        qInfo("questions to 85 %%/90 %% by seed, at random in brackets:%s", figures.constData());
        qInfo("median: 85 %% after %d questions, 90 %% after %d", medianOf(to85), medianOf(to90));
        QVERIFY(medianOf(to85) <= 320);
        QVERIFY(medianOf(to90) <= 600);
    }

    // The pair cards, a month of the same practice for 40 learners: the
    // five verdicts, averaged, are answered right 90 % of the time within
    // 100 questions (median 62), while learners who meet the pairs as the
    // reels bring them, the certain ones rare among the open, stay below
    // 90 % after the month.
    void theRareCertainPairsAreLearntAsWellAsTheOpenOnes()
    {
        std::vector<int> to90;
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            const Practice scheduled = practiseWithTheDrill<PairDeck>(seed);
            const Practice asTheyCome = practisePairsAsTheyCome(seed);
            QVERIFY2(scheduled.questionsTo90 <= 100, questionsText(scheduled.questionsTo90));
            QVERIFY(scheduled.accuracyByDay.back() > 0.98);
            QVERIFY2(asTheyCome.accuracyByDay.back() < 0.9, QByteArray::number(asTheyCome.accuracyByDay.back()));
            to90.push_back(scheduled.questionsTo90);
        }
        qInfo("pairs: median 90 %% after %d questions", medianOf(to90));
    }
};

QTEST_APPLESS_MAIN(CardDrillTest)
#include "tst_card_drill.moc"
