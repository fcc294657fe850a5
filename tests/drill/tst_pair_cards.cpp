#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/drill/cards/teaching_order.h"
#include "core/evaluation/evaluation.h"
#include "core/pairs/pair_verdict.h"

#include <QTest>

#include <set>
#include <tuple>

// The cards of the drill's second mode: the pairs of one left grid that tell
// one verdict in one stop order.
class TestPairCards : public QObject {
    Q_OBJECT

private slots:
    void everyPairBelongsToExactlyOneCard()
    {
        const PairDeck& deck = PairDeck::instance();
        std::set<std::tuple<StopOrder, int, int>> seen;
        for (int index = 0; index < deck.size(); ++index) {
            const PairCard& card = deck.card(index);
            QVERIFY(!card.pairs.empty());
            for (const StoppedPair& pair : card.pairs) {
                QVERIFY(seen.insert({card.order, pair.left, pair.second}).second);
                QCOMPARE(evaluatorClassOf(pair.left), card.grid);
                QVERIFY(readPair(card.order, pair).verdict == card.verdict);
                QCOMPARE(deck.cardOf(card.order, pair), index);
            }
        }
        QCOMPARE(static_cast<int>(seen.size()), 2 * 21 * 21);
    }

    // Counted from the verdicts: the distinct verdicts of each grid and order.
    void theCardsAreTheVerdictsOfEachGridAndOrder()
    {
        std::set<std::tuple<int, StopOrder, PairVerdict>> cards;
        for (StopOrder order : {StopOrder::LeftCenter, StopOrder::LeftRight})
            for (int left = 1; left <= 21; ++left)
                for (int second = 1; second <= 21; ++second)
                    cards.insert({evaluatorClassOf(left), order, readPair(order, {left, second}).verdict});
        QCOMPARE(PairDeck::instance().size(), static_cast<int>(cards.size()));
    }

    void leftPositionsSharingAGridShareItsCards()
    {
        const PairDeck& deck = PairDeck::instance();
        QVERIFY(std::ranges::equal(deck.cardsOfLeft(15), deck.cardsOfLeft(4)));
        QVERIFY(std::ranges::equal(deck.cardsOfLeft(18), deck.cardsOfLeft(4)));
        const int card = deck.cardOf(StopOrder::LeftRight, {15, 3});
        QCOMPARE(deck.cardOf(StopOrder::LeftRight, {4, 3}), card);
        const std::vector<StoppedPair> on15 = deck.questionsOn(card, 15);
        QVERIFY(!on15.empty());
        QVERIFY(std::ranges::all_of(on15, [](const StoppedPair& pair) { return pair.left == 15; }));
        QVERIFY(deck.questionsOn(card, 0).size() > on15.size());
    }

    void keysNameTheirCardAndNothingElse()
    {
        const PairDeck& deck = PairDeck::instance();
        for (int index = 0; index < deck.size(); ++index)
            QCOMPARE(deck.cardOfKey(deck.keyOf(index)), index);
        QCOMPARE(deck.keyOf(deck.cardOf(StopOrder::LeftCenter, {9, 13})), "9:left-center:BIG");
        QCOMPARE(deck.cardOfKey("15:left-center:OPEN"), -1);  // 15 asks grid 4's cards
        QCOMPARE(deck.cardOfKey("9:left-right:BIG"), -1);     // no such pair on grid 9
        QCOMPARE(deck.cardOfKey(""), -1);
        for (int index = 0; index < CardDeck::instance().size(); ++index)
            QCOMPARE(deck.cardOfKey(CardDeck::instance().keyOf(index)), -1);
    }

    // Each verdict weighs as much as another, however few its pairs: the
    // cards of the rare verdicts that a player must learn by heart are taught
    // before the many that leave the bonus open; only the lightest BONUS
    // cards, a pair or two among the verdict's many, come among them.
    void theTeachingOrderTeachesTheRareVerdictsEarly()
    {
        const PairDeck& deck = PairDeck::instance();
        const std::vector<int> order = teachingOrder(deck);
        QCOMPARE(std::set<int>(order.begin(), order.end()).size(), static_cast<std::size_t>(deck.size()));
        const auto firstOpen = std::ranges::find_if(order, [&](int card) {
            return deck.card(card).verdict == PairVerdict::Open;
        });
        for (auto taught = firstOpen; taught != order.end(); ++taught) {
            const PairVerdict verdict = deck.card(*taught).verdict;
            QVERIFY(verdict == PairVerdict::Open || verdict == PairVerdict::Bonus);
        }
    }

    // A lesson weighs its share of its answer: one small lesson alone in its
    // answer outweighs the large lessons of a common one.
    void aRareAnswerIsTaughtFirst()
    {
        const std::vector<Lesson> lessons = {
            {1, 0, 100, false}, {2, 0, 120, false}, {3, 1, 1, false}, {3, 0, 90, true}};
        QCOMPARE(teachingOrder(lessons).front(), 2);
        QVERIFY(teachingOrder(std::span<const Lesson>()).empty());
    }
};

QTEST_APPLESS_MAIN(TestPairCards)
#include "tst_pair_cards.moc"
