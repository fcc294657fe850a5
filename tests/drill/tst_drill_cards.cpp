#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/teaching_order.h"
#include "core/evaluation/evaluation.h"
#include "core/evaluation/judgement.h"
#include "core/outcome_groups.h"

#include <QtTest>

#include <set>

// The cards of the drill: one per outcome code on a left grid.
class DrillCardsTest : public QObject {
    Q_OBJECT

private slots:
    void everyPatternBelongsToExactlyOneCard()
    {
        const CardDeck& deck = CardDeck::instance();
        std::set<std::tuple<int, int, int>> seen;
        for (int index = 0; index < deck.size(); ++index) {
            const Card& card = deck.card(index);
            QVERIFY(!card.patterns.empty());
            QCOMPARE(card.group, groupIndexOf(card.code));
            for (const Pattern& pattern : card.patterns) {
                QVERIFY(seen.insert({pattern.left, pattern.center, pattern.right}).second);
                QCOMPARE(evaluatorClassOf(pattern.left), card.grid);
                QCOMPARE(outcomeCodeOf(pattern), card.code);
                QCOMPARE(deck.cardOf(pattern), index);
            }
        }
        QCOMPARE(static_cast<int>(seen.size()), 21 * 21 * 21);
    }

    // Counted from the grids: the distinct codes of each of the 19 grids.
    void theCardsAreTheCodesOfEachGrid()
    {
        std::set<std::pair<int, char>> cards;
        std::set<int> grids;
        for (int left = 1; left <= 21; ++left)
            for (int center = 1; center <= 21; ++center)
                for (int right = 1; right <= 21; ++right) {
                    cards.insert({evaluatorClassOf(left), outcomeCodeOf({left, center, right})});
                    grids.insert(evaluatorClassOf(left));
                }
        QCOMPARE(grids.size(), std::size_t{19});
        QCOMPARE(CardDeck::instance().size(), static_cast<int>(cards.size()));
    }

    void leftPositionsSharingAGridShareItsCards()
    {
        const CardDeck& deck = CardDeck::instance();
        QVERIFY(std::ranges::equal(deck.cardsOfLeft(15), deck.cardsOfLeft(4)));
        QVERIFY(std::ranges::equal(deck.cardsOfLeft(18), deck.cardsOfLeft(4)));
        const int card = deck.cardsOfLeft(15).front();
        const std::vector<Pattern> on15 = deck.questionsOn(card, 15);
        QVERIFY(!on15.empty());
        QVERIFY(std::ranges::all_of(on15, [](const Pattern& p) { return p.left == 15; }));
        QVERIFY(deck.questionsOn(card, 0).size() > on15.size());
    }

    void keysNameTheirCardAndNothingElse()
    {
        const CardDeck& deck = CardDeck::instance();
        for (int index = 0; index < deck.size(); ++index)
            QCOMPARE(deck.cardOfKey(deck.keyOf(index)), index);
        QCOMPARE(deck.cardOfKey("15:A"), -1);
        QCOMPARE(deck.cardOfKey(""), -1);
    }

    // The cards that cover most of their groups come early, so that a
    // player who learns card by card soon tells most patterns apart; a run of
    // one grid's cards puts its bonus meanings first.
    void theTeachingOrderTeachesTheWeightiestCardsEarlyBonusFirst()
    {
        const CardDeck& deck = CardDeck::instance();
        const std::vector<int> order = teachingOrder(deck);
        QCOMPARE(std::set<int>(order.begin(), order.end()).size(), static_cast<std::size_t>(deck.size()));

        std::array<double, 8> groupSizes{};
        for (const Card& card : deck.cards())
            groupSizes[static_cast<std::size_t>(card.group)] += static_cast<double>(card.patterns.size());
        double covered = 0;
        for (std::size_t i = 0; i < 75; ++i) {
            const Card& card = deck.card(order[i]);
            covered += static_cast<double>(card.patterns.size()) / groupSizes[static_cast<std::size_t>(card.group)] / 8;
        }
        QVERIFY2(covered > 0.8, qPrintable(QString::number(covered)));

        for (std::size_t i = 1; i < order.size(); ++i) {
            const Card& before = deck.card(order[i - 1]);
            const Card& card = deck.card(order[i]);
            if (card.grid == before.grid)
                QVERIFY2(!(card.group < 3 && before.group >= 3), "a bonus card after another card of its grid");
        }
    }
};

QTEST_APPLESS_MAIN(DrillCardsTest)
#include "tst_drill_cards.moc"
