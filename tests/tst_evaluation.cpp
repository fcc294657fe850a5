#include "core/evaluation/evaluation.h"
#include "core/evaluation/judgement.h"
#include "core/reels/strip_geometry.h"

#include <QTest>

namespace {

// A placement that shows an upper-row position, at index 21 or at index 0 for
// position 1, and as a window keeps it: in whole pixels.
double topShowing(int position, bool indexZero = false)
{
    const int index = position == 1 && indexZero ? 0 : 22 - position;
    return std::round(strip::topOfIndex(index) / 15.0) * 15.0;
}

QString text(const std::u16string& s)
{
    return QString::fromStdU16String(s);
}

}  // namespace

class TestEvaluation : public QObject {
    Q_OBJECT

private slots:
    void everyPatternGivesItsGridOutcome()
    {
        const ReachMeGrid* grids[22] = {nullptr, &kGrid1,  &kGrid2,  &kGrid3,  &kGrid4,  &kGrid5,  &kGrid6,  &kGrid7,
                                        &kGrid8, &kGrid9,  &kGrid10, &kGrid11, &kGrid12, &kGrid13, &kGrid14, &kGrid4,
                                        &kGrid16, &kGrid17, &kGrid4, &kGrid19, &kGrid20, &kGrid21};
        Evaluation evaluation;
        int patterns = 0;
        for (int left = 1; left <= 21; ++left) {
            for (int center = 1; center <= 21; ++center) {
                for (int right = 1; right <= 21; ++right) {
                    evaluation.yaku(topShowing(left, right % 2), topShowing(center, left % 2), topShowing(right));
                    const QString expectedReadOut = QStringLiteral("%1-%2-%3").arg(left).arg(center).arg(right);
                    QCOMPARE(text(evaluation.readOut), expectedReadOut);
                    const Outcome& outcome = outcomeOf(grids[left]->code(center, right));
                    QCOMPARE(text(evaluation.yakumei), text(outcome.commentary));
                    QCOMPARE(text(evaluation.tamaya), outcome.cheers ? text(kCheer) : QString());
                    // Judged without reels, the pattern means the same.
                    const Judgement judgement = judge({left, center, right});
                    QCOMPARE(judgement.code, grids[left]->code(center, right));
                    QCOMPARE(text(std::u16string(judgement.yakumei)), text(evaluation.yakumei));
                    QCOMPARE(text(std::u16string(judgement.tamaya)), text(evaluation.tamaya));
                    ++patterns;
                }
            }
        }
        QCOMPARE(patterns, 9261);
    }

    void readOutOfThePlacements()
    {
        Evaluation evaluation;
        evaluation.yaku(strip::topOfIndex(21), strip::topOfIndex(5), strip::topOfIndex(12));
        QCOMPARE(text(evaluation.readOut), QStringLiteral("1-17-10"));
        QCOMPARE(evaluation.r1jyoudan, 1);
        QCOMPARE(evaluation.r2jyoudan, 17);
        QCOMPARE(evaluation.r3jyoudan, 10);
        QCOMPARE(text(evaluation.yakumei), text(outcomeOf(kGrid1.code(17, 10)).commentary));

        evaluation.yaku(strip::kDesignTop, strip::kDesignTop, strip::topOfIndex(20));
        QCOMPARE(text(evaluation.readOut), QStringLiteral("1-1-2"));
    }

    void leftFourFifteenAndEighteenShareOneEvaluator()
    {
        Evaluation evaluation;
        QVERIFY(evaluation.instanceOf(4) == nullptr);
        evaluation.yaku(topShowing(15), topShowing(1), topShowing(2));
        const Evaluator* shared = evaluation.instanceOf(4);
        QVERIFY(shared != nullptr);
        QCOMPARE(text(evaluation.yakumei), QStringLiteral("リプレイ"));
        for (int left : {4, 18}) {
            evaluation.yaku(topShowing(left), topShowing(1), topShowing(2));
            QCOMPARE(evaluation.instanceOf(4), shared);
            QCOMPARE(text(evaluation.yakumei), QStringLiteral("リプレイ"));
        }
        for (int evaluatorClass : {1, 15, 18})
            QVERIFY(evaluation.instanceOf(evaluatorClass) == nullptr);
    }

    void cheerNeverCarriesOver()
    {
        Evaluation evaluation;
        evaluation.yaku(topShowing(1), topShowing(1), topShowing(1));
        QCOMPARE(text(evaluation.tamaya), text(kCheer));
        evaluation.yaku(topShowing(1), topShowing(1), topShowing(2));
        QCOMPARE(text(evaluation.yakumei), QStringLiteral("チェリー"));
        QVERIFY(evaluation.tamaya.empty());
    }

    void leftOffTheReelKeepsTheLastTexts()
    {
        Evaluation evaluation;
        evaluation.yaku(topShowing(1), topShowing(1), topShowing(1));
        const std::u16string commentary = evaluation.yakumei;
        evaluation.yaku(strip::topOfIndex(-1), topShowing(1), topShowing(2));
        QCOMPARE(text(evaluation.readOut), QStringLiteral("23-1-2"));
        QCOMPARE(evaluation.yakumei, commentary);
        QCOMPARE(text(evaluation.tamaya), text(kCheer));
    }

    void evaluatorOutsideTheGridClearsOnlyTheCheer()
    {
        Evaluator evaluator(kGrid1);
        evaluator.yaku();
        QVERIFY(evaluator.yakumei.empty());
        evaluator.r2jyoudan = 1;
        evaluator.r3jyoudan = 1;
        evaluator.yaku();
        const std::u16string sevens = evaluator.yakumei;
        QVERIFY(!evaluator.tamaya.empty());
        for (auto [center, right] : {std::pair{0, 1}, {22, 1}, {1, 0}, {1, 22}, {-1, -1}}) {
            evaluator.r2jyoudan = std::int16_t(center);
            evaluator.r3jyoudan = std::int16_t(right);
            evaluator.yaku();
            QCOMPARE(evaluator.yakumei, sevens);
            QVERIFY(evaluator.tamaya.empty());
            QCOMPARE(int(evaluator.r2jyoudan), center);
            QCOMPARE(int(evaluator.r3jyoudan), right);
        }
    }
};

QTEST_APPLESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
