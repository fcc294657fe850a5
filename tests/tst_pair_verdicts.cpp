#include "core/csv_field.h"
#include "core/evaluation/judgement.h"
#include "core/evaluation/legend.h"
#include "core/outcome_groups.h"
#include "core/pairs/pair_listing.h"
#include "core/pairs/pair_verdict.h"
#include "core/pairs/pair_words.h"
#include "core/reach_me_patterns.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace {

// Whether a pattern's own commentary says the reels never stop on it; the
// outcome c spells the word とまらない.
bool commentarySaysItNeverStops(char code)
{
    for (const std::u16string& line : patterns::commentaryLines(code))
        for (std::u16string_view words : {u"止まらない", u"止まりません", u"とまらない"})
            if (line.find(words) != std::u16string::npos)
                return true;
    return false;
}

// The pattern the third reel completes, built here from the order's meaning:
// 順押し stops the center second, はさみ打ち the right.
Pattern completed(StopOrder order, int left, int second, int third)
{
    return order == StopOrder::LeftCenter ? Pattern{left, second, third} : Pattern{left, third, second};
}

StopOrder orderNamed(const QString& key)
{
    return key == QLatin1String("left-center") ? StopOrder::LeftCenter : StopOrder::LeftRight;
}

// The verdict told by the groups that can stand, by the definitions: a
// bonus is certain when every standing completion names one.
std::string verdictOfGroups(const std::set<std::string_view>& keys)
{
    if (keys.empty())
        return "NOSTOP";
    if (keys == std::set<std::string_view>{"big"})
        return "BIG";
    if (keys == std::set<std::string_view>{"reg"})
        return "REG";
    for (std::string_view key : keys)
        if (key != "big" && key != "reg" && key != "br")
            return "OPEN";
    return "BONUS";
}

QString qt(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// What two stopped reels tell, counted over the grids, and the listing and
// CSV rows that show it.
class TestPairVerdicts : public QObject {
    Q_OBJECT

private slots:
    void theOutcomesThatStandAreThoseWhoseCommentaryLetsThemStop()
    {
        for (char code = 'A'; code <= 'h'; ++code)
            if (isOutcomeCode(code))
                QVERIFY2(letsStand(code) != commentarySaysItNeverStops(code), std::string(1, code).c_str());
    }

    void everyPairAgreesWithACountOverTheGrids_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<int>>("verdicts");  // how many pairs tell BIG, REG, BONUS, OPEN, NOSTOP
        QTest::newRow("順押し") << "left-center" << QList<int>{7, 4, 22, 406, 2};
        QTest::newRow("はさみ打ち") << "left-right" << QList<int>{4, 1, 51, 385, 0};
    }

    void everyPairAgreesWithACountOverTheGrids()
    {
        QFETCH(QString, order);
        QFETCH(QList<int>, verdicts);
        const StopOrder stopOrder = orderNamed(order);
        QList<int> counted(kPairVerdicts.size());
        for (int left = 1; left <= 21; ++left)
            for (int second = 1; second <= 21; ++second) {
                std::array<int, kOutcomeGroups.size()> standing{};
                std::set<std::string_view> keys;
                for (int third = 1; third <= 21; ++third) {
                    const char code = outcomeCodeOf(completed(stopOrder, left, second, third));
                    if (commentarySaysItNeverStops(code))
                        continue;
                    ++standing[static_cast<std::size_t>(groupIndexOf(code))];
                    keys.insert(kOutcomeGroups[static_cast<std::size_t>(groupIndexOf(code))].key);
                }
                const PairReading reading = readPair(stopOrder, {left, second});
                const QByteArray where = QByteArray::number(left) + " " + QByteArray::number(second);
                QVERIFY2(reading.standing == standing, where);
                QVERIFY2(verdictKey(reading.verdict) == verdictOfGroups(keys), where);
                ++counted[std::ranges::find(kPairVerdicts, reading.verdict) - kPairVerdicts.begin()];
            }
        QCOMPARE(counted, verdicts);
        const auto counts = verdictCounts(stopOrder);
        QCOMPARE(QList<int>(counts.begin(), counts.end()), verdicts);
    }

    void pairsOfEachVerdict_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QString>("thirdCanBring");

        QTest::newRow("順押し 7-14: BIG, 777 among them") << "left-center" << 7 << 14 << "BIG" << "big" << "ＢＩＧ";
        QTest::newRow("順押し 9-13: BIG, named 左、中の２確目") << "left-center" << 9 << 13 << "BIG" << "big" << "ＢＩＧ";
        QTest::newRow("はさみ打ち 1-20: BIG, named 左、右の２確目")
            << "left-right" << 1 << 20 << "BIG" << "big" << "ＢＩＧ";
        QTest::newRow("順押し 7-2: REG") << "left-center" << 7 << 2 << "REG" << "reg" << "ＲＥＧ";
        QTest::newRow("はさみ打ち 7-10: REG, one center alone stands")
            << "left-right" << 7 << 10 << "REG" << "reg" << "ＲＥＧ";
        QTest::newRow("順押し 10-18: BONUS, BIG or Ｂ＆Ｒ共通")
            << "left-center" << 10 << 18 << "BONUS" << "big,br" << "ＢＩＧ、Ｂ＆Ｒ共通";
        QTest::newRow("順押し 7-5: BONUS, all three bonus meanings")
            << "left-center" << 7 << 5 << "BONUS" << "big,reg,br" << "ＢＩＧ、ＲＥＧ、Ｂ＆Ｒ共通";
        QTest::newRow("はさみ打ち 7-1: BONUS, BIG or REG") << "left-right" << 7 << 1 << "BONUS" << "big,reg" << "ＢＩＧ、ＲＥＧ";
        QTest::newRow("はさみ打ち 13-6: BONUS, named 左、右の２確目")
            << "left-right" << 13 << 6 << "BONUS" << "big,br" << "ＢＩＧ、Ｂ＆Ｒ共通";
        QTest::newRow("はさみ打ち 14-20: BONUS, the center that とまらない does not count")
            << "left-right" << 14 << 20 << "BONUS" << "big,reg,br" << "ＢＩＧ、ＲＥＧ、Ｂ＆Ｒ共通";
        QTest::newRow("順押し 7-11: NOSTOP") << "left-center" << 7 << 11 << "NOSTOP" << "" << "";
        QTest::newRow("順押し 1-1: OPEN") << "left-center" << 1 << 1 << "OPEN" << "big,small" << "ＢＩＧ、小役";
        QTest::newRow("はさみ打ち 5-10: OPEN, though 5-20-10 says 左、右の２確目")
            << "left-right" << 5 << 10 << "OPEN" << "reg,miss" << "ＲＥＧ、はずれ";
        QTest::newRow("順押し 15-3: OPEN, on the grid of left 4")
            << "left-center" << 15 << 3 << "OPEN" << "small,miss" << "小役、はずれ";
    }

    void pairsOfEachVerdict()
    {
        QFETCH(QString, order);
        QFETCH(int, left);
        QFETCH(int, second);
        QFETCH(QString, verdict);
        QFETCH(QString, groups);
        QFETCH(QString, thirdCanBring);
        const PairReading reading = readPair(orderNamed(order), {left, second});
        QCOMPARE(QString::fromUtf8(verdictKey(reading.verdict)), verdict);
        QCOMPARE(QString::fromStdString(standingGroupKeys(reading)), groups);
        QCOMPARE(qt(whatTheThirdCanBring(reading)), thirdCanBring);
    }

    // The commentary names a pattern that never stops as a 2確目 of the
    // left and center or of the left and right reels: the other completions
    // of that pair that stand must all be bonuses. One pattern breaks it:
    // grid 5 has D at center 20, right 10, where its like rows 2 and 7 have
    // V; with left 5 and right 10 the center can still bring はずれ.
    void everyPatternNamedTwoCertainHasACertainPair()
    {
        QStringList broken;
        std::set<StopOrder> ordersNamed;
        for (int left = 1; left <= 21; ++left)
            for (int center = 1; center <= 21; ++center)
                for (int right = 1; right <= 21; ++right) {
                    const Pattern pattern{left, center, right};
                    for (const std::u16string& line : patterns::commentaryLines(outcomeCodeOf(pattern))) {
                        if (line.find(u"２確目") == std::u16string::npos)
                            continue;
                        const bool leftCenter = line.find(u"左、中") != std::u16string::npos;
                        QVERIFY(leftCenter || line.find(u"左、右") != std::u16string::npos);
                        const StopOrder order = leftCenter ? StopOrder::LeftCenter : StopOrder::LeftRight;
                        ordersNamed.insert(order);
                        if (!isCertainBonus(readPair(order, {left, leftCenter ? center : right}).verdict))
                            broken << QString::fromStdString(readOutOf(pattern));
                    }
                }
        QCOMPARE(ordersNamed.size(), std::size_t{2});
        QCOMPARE(broken, QStringList{"5-20-10"});
    }

    void theListingHasEveryPairInOrder_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("knownLine");
        QTest::newRow("順押し BIG") << "left-center" << "9\t13\tBIG\tbig";
        QTest::newRow("順押し NOSTOP: no groups") << "left-center" << "7\t11\tNOSTOP\t";
        QTest::newRow("はさみ打ち OPEN") << "left-right" << "5\t10\tOPEN\treg,miss";
    }

    void theListingHasEveryPairInOrder()
    {
        QFETCH(QString, order);
        QFETCH(QString, knownLine);
        const StopOrder stopOrder = orderNamed(order);
        const QString listing = QString::fromStdString(pairsListing(stopOrder));
        QVERIFY(listing.endsWith('\n'));
        const QStringList lines = listing.chopped(1).split('\n');
        QCOMPARE(lines.size(), 441);
        for (int index = 0; index < lines.size(); ++index) {
            const QStringList fields = lines[index].split('\t');
            QCOMPARE(fields.size(), 4);
            const StoppedPair pair{index / 21 + 1, index % 21 + 1};
            QCOMPARE(fields[0], QString::number(pair.left));
            QCOMPARE(fields[1], QString::number(pair.second));
            const PairReading reading = readPair(stopOrder, pair);
            QCOMPARE(fields[2], QString::fromUtf8(verdictKey(reading.verdict)));
            QCOMPARE(fields[3], QString::fromStdString(standingGroupKeys(reading)));
        }
        QVERIFY(lines.contains(knownLine));
    }

    void stopOrdersAreNamedExactly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("order");  // -1 for none
        QTest::newRow("順押し") << "left-center" << int(StopOrder::LeftCenter);
        QTest::newRow("はさみ打ち") << "left-right" << int(StopOrder::LeftRight);
        QTest::newRow("reversed") << "center-left" << -1;
        QTest::newRow("capitals") << "LEFT-CENTER" << -1;
        QTest::newRow("trailing space") << "left-center " << -1;
        QTest::newRow("one reel") << "left" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void stopOrdersAreNamedExactly()
    {
        QFETCH(QString, name);
        QFETCH(int, order);
        const std::string key = name.toStdString();
        const std::optional<StopOrder> named = stopOrderOfKey(key);
        QCOMPARE(named ? int(*named) : -1, order);
        if (named)
            QCOMPARE(QString::fromUtf8(stopOrderKey(*named)), name);
    }

    void pairReadOutsMarkTheTurningReel()
    {
        QCOMPARE(readOutOf(StopOrder::LeftCenter, {7, 12}), "7-12-?");
        QCOMPARE(readOutOf(StopOrder::LeftRight, {7, 12}), "7-?-12");
    }

    // The CSV follows the reach-me table's: a header, CR LF, numbers bare
    // and texts quoted, written as UTF-8.
    void theCsvHoldsBothOrders()
    {
        const QByteArray csv = qt(pairsCsv()).toUtf8();
        QVERIFY(csv.endsWith("\r\n"));
        const QList<QByteArray> lines = csv.chopped(1).split('\n');
        QCOMPARE(lines.size(), 1 + 2 * 441);
        QVERIFY(std::all_of(lines.begin(), lines.end(), [](const QByteArray& line) { return line.endsWith('\r'); }));
        QCOMPARE(lines[0], "order,left,second,verdict,groups,order_words,verdict_words,third_can_bring\r");
        QVERIFY(lines[1].startsWith("\"left-center\",1,1,"));
        QVERIFY(lines[441].startsWith("\"left-center\",21,21,"));
        QVERIFY(lines[442].startsWith("\"left-right\",1,1,"));
        for (const char* row : {"\"left-center\",9,13,\"BIG\",\"big\",\"順押し\",\"ＢＩＧ確定\",\"ＢＩＧ\"\r",
                 "\"left-center\",7,2,\"REG\",\"reg\",\"順押し\",\"ＲＥＧ確定\",\"ＲＥＧ\"\r",
                 "\"left-right\",13,6,\"BONUS\",\"big,br\",\"はさみ打ち\",\"ボーナス確定\",\"ＢＩＧ、Ｂ＆Ｒ共通\"\r",
                 "\"left-right\",5,10,\"OPEN\",\"reg,miss\",\"はさみ打ち\",\"まだ分からない\",\"ＲＥＧ、はずれ\"\r",
                 "\"left-center\",7,11,\"NOSTOP\",\"\",\"順押し\",\"止まらない\",\"\"\r"})
            QVERIFY2(lines.contains(row), row);
    }

    void csvFieldsDoubleTheirQuotes()
    {
        QCOMPARE(qt(csvQuoted(u"７７７ \"思う存分\"")), QStringLiteral("\"７７７ \"\"思う存分\"\"\""));
        QCOMPARE(qt(csvQuoted(u"")), QStringLiteral("\"\""));
    }
};

QTEST_APPLESS_MAIN(TestPairVerdicts)
#include "tst_pair_verdicts.moc"
