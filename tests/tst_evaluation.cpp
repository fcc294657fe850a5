#include "core/evaluation/evaluation.h"
#include "core/evaluation/judgement.h"

#include <QTest>

namespace {

QString text(std::u16string_view s)
{
    return QString::fromStdU16String(std::u16string(s));
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
        int patterns = 0;
        for (int left = 1; left <= 21; ++left) {
            for (int center = 1; center <= 21; ++center) {
                for (int right = 1; right <= 21; ++right) {
                    const char code = grids[left]->code(center, right);
                    const Outcome& outcome = outcomeOf(code);
                    const Judgement judgement = judge({left, center, right});
                    QCOMPARE(judgement.code, code);
                    QCOMPARE(outcomeCodeOf({left, center, right}), code);
                    QCOMPARE(text(judgement.yakumei), text(outcome.commentary));
                    QCOMPARE(text(judgement.tamaya), outcome.cheers ? text(kCheer) : QString());
                    ++patterns;
                }
            }
        }
        QCOMPARE(patterns, 9261);
    }

    // Left 15 and 18 show the same three symbols as 4 and share its evaluator;
    // every other position has one of its own.
    void evaluatorClasses()
    {
        for (int left = 1; left <= 21; ++left)
            QCOMPARE(evaluatorClassOf(left), left == 15 || left == 18 ? 4 : left);
        QCOMPARE(text(judge({15, 1, 2}).yakumei), QStringLiteral("リプレイ"));
        for (int offTheReel : {0, 22, -1})
            QCOMPARE(evaluatorClassOf(offTheReel), 0);
        for (int evaluatorClass : {0, 15, 18, 22, -1})
            QVERIFY(gridOfClass(evaluatorClass) == nullptr);
    }
};

QTEST_APPLESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
