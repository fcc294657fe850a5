#include "core/drill/drill.h"
#include "core/drill/pattern_pool.h"

#include <QTest>

#include <array>
#include <set>

namespace {

int groupOf(const Pattern& pattern)
{
    return groupIndexOf(outcomeCodeOf(pattern));
}

// Answers the current question, rightly or not, and asks the next one.
void answerAndGoOn(Drill& drill, bool right)
{
    const int group = groupOf(drill.current());
    drill.answer(right ? group : (group + 1) % static_cast<int>(kOutcomeGroups.size()));
    drill.next();
}

// A pattern none of the seeded questions will pick by chance in a few dozen
// draws: the test finds where it comes back by looking for it.
int questionsUntil(Drill& drill, const Pattern& pattern, int limit)
{
    for (int asked = 1; asked <= limit; ++asked) {
        if (drill.current() == pattern)
            return asked;
        answerAndGoOn(drill, true);
    }
    return 0;
}

}  // namespace

// Which patterns the drill asks and when the ones got wrong come back.
class TestDrillScheduling : public QObject {
    Q_OBJECT

private slots:
    void poolHoldsEveryPatternOnceInItsGroup()
    {
        const PatternPool& pool = PatternPool::instance();
        std::set<std::array<int, 3>> seen;
        for (int group = 0; group < static_cast<int>(kOutcomeGroups.size()); ++group) {
            std::size_t byLeft = 0;
            for (int left = 1; left <= Pattern::kPositions; ++left) {
                for (const Pattern& pattern : pool.patterns(group, left)) {
                    QCOMPARE(pattern.left, left);
                    QCOMPARE(groupOf(pattern), group);
                }
                byLeft += pool.patterns(group, left).size();
            }
            QCOMPARE(byLeft, pool.patterns(group, PatternPool::kEveryLeft).size());
            for (const Pattern& pattern : pool.patterns(group, PatternPool::kEveryLeft))
                QVERIFY(seen.insert({pattern.left, pattern.center, pattern.right}).second);
        }
        QCOMPARE(seen.size(), std::size_t(21 * 21 * 21));
    }

    // Rare groups come up as often as common ones, under any filter.
    void groupsAreAskedEvenly_data()
    {
        QTest::addColumn<int>("leftFilter");
        QTest::newRow("every left position") << PatternPool::kEveryLeft;
        QTest::newRow("left 1") << 1;
        QTest::newRow("left 15, which shares its grid") << 15;
    }

    void groupsAreAskedEvenly()
    {
        QFETCH(int, leftFilter);
        Drill drill(20261210);
        drill.setLeftFilter(leftFilter);
        std::array<int, kOutcomeGroups.size()> asked{};
        int groupsPresent = 0;
        for (int group = 0; group < static_cast<int>(kOutcomeGroups.size()); ++group)
            groupsPresent += PatternPool::instance().patterns(group, leftFilter).empty() ? 0 : 1;
        const int draws = 1000 * groupsPresent;
        for (int i = 0; i < draws; ++i) {
            QVERIFY(leftFilter == PatternPool::kEveryLeft || drill.current().left == leftFilter);
            ++asked[static_cast<std::size_t>(groupOf(drill.current()))];
            answerAndGoOn(drill, true);
        }
        for (int group = 0; group < static_cast<int>(kOutcomeGroups.size()); ++group) {
            if (PatternPool::instance().patterns(group, leftFilter).empty())
                QCOMPARE(asked[static_cast<std::size_t>(group)], 0);
            else  // 1000 expected; five standard deviations either side
                QVERIFY2(asked[static_cast<std::size_t>(group)] > 850 && asked[static_cast<std::size_t>(group)] < 1150,
                         qPrintable(QStringLiteral("group %1 asked %2 times").arg(group).arg(asked[std::size_t(group)])));
        }
    }

    void sameSeedAsksTheSame()
    {
        Drill one(7), other(7), third(8);
        bool differs = false;
        for (int i = 0; i < 50; ++i) {
            QVERIFY(one.current() == other.current());
            differs = differs || !(one.current() == third.current());
            answerAndGoOn(one, i % 3 == 0);
            answerAndGoOn(other, i % 3 == 0);
            answerAndGoOn(third, i % 3 == 0);
        }
        QVERIFY(differs);
    }

    // Got wrong, a pattern comes back 3 to 6 questions later; right on its
    // return it comes once more, and leaves after its second right answer.
    void missedPatternComesBackUntilRightTwice()
    {
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            Drill drill(seed);
            const Pattern missed = drill.current();
            answerAndGoOn(drill, false);
            const int firstReturn = questionsUntil(drill, missed, 10);
            QVERIFY2(firstReturn >= 3 && firstReturn <= 6, qPrintable(QString::number(firstReturn)));
            QCOMPARE(drill.reviews().size(), std::size_t(1));
            answerAndGoOn(drill, true);
            const int secondReturn = questionsUntil(drill, missed, 10);
            QVERIFY2(secondReturn >= 3 && secondReturn <= 6, qPrintable(QString::number(secondReturn)));
            answerAndGoOn(drill, true);
            QVERIFY(drill.reviews().empty());
            QCOMPARE(questionsUntil(drill, missed, 30), 0);
        }
    }

    void wrongOnReturnStartsOver()
    {
        Drill drill(3);
        const Pattern missed = drill.current();
        answerAndGoOn(drill, false);
        QVERIFY(questionsUntil(drill, missed, 10) > 0);
        answerAndGoOn(drill, true);
        QVERIFY(questionsUntil(drill, missed, 10) > 0);
        answerAndGoOn(drill, false);  // the second return, got wrong again
        QCOMPARE(drill.reviews().size(), std::size_t(1));
        QCOMPARE(drill.reviews().front().rightsInARow, 0);
        for (int returns = 0; returns < 2; ++returns) {
            QVERIFY(questionsUntil(drill, missed, 10) > 0);
            answerAndGoOn(drill, true);
        }
        QVERIFY(drill.reviews().empty());
    }

    // Two due at once: the one due longer first, the other at the next question.
    void dueLongerComesFirst()
    {
        Drill drill(11);
        const Pattern early{2, 3, 4}, late{5, 6, 7};
        Score fiveAnswered;
        fiveAnswered.total = fiveAnswered.groups[0] = {5, 5};
        drill.restore(fiveAnswered, {{late, 3, 0}, {early, 2, 1}});  // both due by question 6
        QVERIFY(drill.current() == early);
        answerAndGoOn(drill, true);
        QVERIFY(drill.current() == late);
    }

    void filteredOutPatternWaits()
    {
        Drill drill(5);
        const Pattern due{9, 1, 1};
        drill.restore({}, {{due, 1, 0}});
        QVERIFY(drill.current() == due);
        drill.setLeftFilter(10);  // unanswered and left out: replaced
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(drill.current().left, 10);
            answerAndGoOn(drill, true);
        }
        drill.setLeftFilter(9);  // not replaced while answered
        drill.next();
        QVERIFY(drill.current() == due);
    }

    void scoreCountsTotalsStreakAndGroups()
    {
        Drill drill(21);
        const std::size_t firstGroup = static_cast<std::size_t>(groupOf(drill.current()));
        answerAndGoOn(drill, true);
        answerAndGoOn(drill, true);
        QCOMPARE(drill.score().streak, 2);
        const std::size_t thirdGroup = static_cast<std::size_t>(groupOf(drill.current()));
        const int thirdBefore = drill.score().groups[thirdGroup].answered;
        answerAndGoOn(drill, false);
        QCOMPARE(drill.score().total, (Tally{3, 2}));
        QCOMPARE(drill.score().streak, 0);
        QVERIFY(drill.score().groups[firstGroup].right >= 1);
        QCOMPARE(drill.score().groups[thirdGroup].answered, thirdBefore + 1);
        int sum = 0;
        for (const Tally& tally : drill.score().groups)
            sum += tally.answered;
        QCOMPARE(sum, 3);

        drill.reset();
        QCOMPARE(drill.score(), Score{});
        QVERIFY(drill.reviews().empty());
    }

    void verdictNamesTheRightGroup()
    {
        Drill drill(2);
        const char code = outcomeCodeOf(drill.current());
        const int group = groupIndexOf(code);
        const Verdict wrong = drill.answer((group + 3) % 8);
        QVERIFY(!wrong.right);
        QCOMPARE(wrong.group, group);
        QCOMPARE(wrong.code, code);
        QVERIFY(drill.isAnswered());
    }
};

QTEST_APPLESS_MAIN(TestDrillScheduling)
#include "tst_drill_scheduling.moc"
