#include "core/evaluation/legend.h"
#include "core/outcome_groups.h"

#include <QTest>

#include <algorithm>

class TestOutcomeGroups : public QObject {
    Q_OBJECT

private slots:
    void everyCodeIsInExactlyOneGroup()
    {
        int codesSeen = 0;
        for (int code = 0; code < 128; ++code) {
            int holders = 0;
            for (const OutcomeGroup& group : kOutcomeGroups)
                holders += static_cast<int>(std::count(group.codes.begin(), group.codes.end(), char(code)));
            if (isOutcomeCode(char(code))) {
                QCOMPARE(holders, 1);
                QCOMPARE(kOutcomeGroups[groupIndexOf(char(code))].codes.find(char(code)) != std::string_view::npos, true);
                ++codesSeen;
            } else {
                QCOMPARE(holders, 0);
            }
        }
        QCOMPARE(codesSeen, 34);
    }

    void groupsAreToldApart()
    {
        for (std::size_t a = 0; a < kOutcomeGroups.size(); ++a) {
            for (std::size_t b = a + 1; b < kOutcomeGroups.size(); ++b) {
                QVERIFY(kOutcomeGroups[a].key != kOutcomeGroups[b].key);
                QVERIFY(kOutcomeGroups[a].mark != kOutcomeGroups[b].mark);
                QVERIFY(kOutcomeGroups[a].colour != kOutcomeGroups[b].colour);
            }
        }
    }

    void bonusPatternsFallInTheirGroups_data()
    {
        QTest::addColumn<char>("code");
        QTest::addColumn<QString>("key");
        QTest::newRow("777 is a BIG") << 'A' << "big";
        QTest::newRow("BIG text without cheer") << 'e' << "big";
        QTest::newRow("REG") << 'G' << "reg";
        QTest::newRow("reach-me with a bell") << 'X' << "br";
        QTest::newRow("never stops") << 'h' << "noStop";
        QTest::newRow("leading-space bell") << 'g' << "small";
        QTest::newRow("missed prize or bonus") << 'Z' << "missOrBonus";
        QTest::newRow("miss") << 'J' << "miss";
    }

    void bonusPatternsFallInTheirGroups()
    {
        QFETCH(char, code);
        QFETCH(QString, key);
        QCOMPARE(QString::fromUtf8(kOutcomeGroups[groupIndexOf(code)].key), key);
    }
};

QTEST_APPLESS_MAIN(TestOutcomeGroups)
#include "tst_outcome_groups.moc"
