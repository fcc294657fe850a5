#include "core/timing/press_result.h"
#include "core/timing/event_clock.h"
#include "core/timing/press_statistics.h"
#include "core/timing/target_choice.h"

#include <map>
#include <set>

#include <QTest>

using namespace timing;

// Strip 1 (left) with upper-row position 1 at the start: the middle row shows
// cell 2, then 1, 21, 20, … ; 七 sits in cell 1 alone, 氷 in cells 5, 16 and 19.
// At 80 rpm seven cells take exactly 250 ms, at 20 rpm exactly 1 s.
class TestTimingCore : public QObject {
    Q_OBJECT

private slots:
    void reelTurnsTheWayTheReelWindowCounts()
    {
        const ReelSpin spin{80, 1, 1000};
        QCOMPARE(spin.upperPositionAt(0), 1);  // before the start it stands
        QCOMPARE(spin.upperPositionAt(1000), 1);
        QCOMPARE(spin.upperPositionAt(1000 + 250000 / 7), 1);  // 35714 µs: a hair short of a cell
        QCOMPARE(spin.upperPositionAt(1000 + 250000 / 7 + 1), 21);
        QCOMPARE(spin.upperPositionAt(1000 + 250000), 15);
        QCOMPARE(spin.upperPositionAt(1000 + 750000), 1);  // one turn
        QCOMPARE(spin.cellAt(1000 + 750000, Lower), 3);
        QCOMPARE(spin.upperPositionAt(1000 + 750000 * 1000 + 250000), 15);  // a thousand turns on
        QCOMPARE(ReelSpin({20, 1, 0}).upperPositionAt(1'000'000), 15);
        QCOMPARE(ReelSpin({20, 1, 0}).exactCellsTurned(1'500'000), 10.5);
    }

    // A change of speed keeps the reel where it stands and turns it on at the new pace.
    void speedChangesMidTurn()
    {
        const ReelSpin fast{80, 1, 0};
        const std::int64_t now = 250000 + 20000;  // 20 ms into the eighth cell
        const ReelSpin slow = fast.withRpm(20, now);
        QCOMPARE(slow.upperPositionAt(now), fast.upperPositionAt(now));
        QVERIFY(qAbs(slow.exactCellsTurned(now) - 0.56) < 1e-5);  // 20 of 35.7 ms passed
        // The rest of the cell, 0.44 of 142.857 ms, then the next.
        QCOMPARE(slow.upperPositionAt(now + 62857), fast.upperPositionAt(now));
        QCOMPARE(slow.upperPositionAt(now + 62858), fast.upperPositionAt(now) - 1);
        QCOMPARE(ReelSpin({80, 5, 1000}).withRpm(40, 0).upperPositionAt(1000), 5);  // not started yet
    }

    void pressesOnCellBoundariesAtBothSpeedLimits_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<qint64>("pressUs");
        QTest::addColumn<int>("middleCell");
        QTest::addColumn<QString>("text");
        // 氷 comes onto the middle row exactly at the seventh boundary.
        QTest::newRow("80 rpm, 1 µs before") << 80 << qint64(249999) << 17 << QString("1 コマ早い (−18 ms)");
        QTest::newRow("80 rpm, on the boundary") << 80 << qint64(250000) << 16 << QString("命中 (−18 ms)");
        QTest::newRow("80 rpm, end of the cell") << 80 << qint64(285714) << 16 << QString("命中 (+18 ms)");
        QTest::newRow("80 rpm, next cell") << 80 << qint64(285715) << 15 << QString("1 コマ遅い (+18 ms)");
        QTest::newRow("20 rpm, 1 µs before") << 20 << qint64(999999) << 17 << QString("1 コマ早い (−71 ms)");
        QTest::newRow("20 rpm, on the boundary") << 20 << qint64(1000000) << 16 << QString("命中 (−71 ms)");
        QTest::newRow("20 rpm, ideal moment") << 20 << qint64(1071429) << 16 << QString("命中 (0 ms)");
        QTest::newRow("20 rpm, 2 cells late") << 20 << qint64(1000000 + 2 * 142857 + 71429) << 14 << QString("2 コマ遅い (+286 ms)");
    }
    void pressesOnCellBoundariesAtBothSpeedLimits()
    {
        QFETCH(int, rpm);
        QFETCH(qint64, pressUs);
        QFETCH(int, middleCell);
        QFETCH(QString, text);
        const PressResult r = pressAt({rpm, 1, 0}, {reel::Left, Middle, Symbol::Ice}, 0, pressUs);
        QCOMPARE(r.stoppedUpperPosition % 21 + 1, middleCell);
        QCOMPARE(r.hit, text.startsWith(u"命中"));
        QCOMPARE(QString::fromStdU16String(resultText(r)), text);
        // A hit lies within half a cell of the ideal moment, a miss outside it.
        QCOMPARE(r.hit, r.offsetCells >= -0.5 && r.offsetCells < 0.5);
    }

    // 七 on the upper row is at cell 1, on the row at steps 0, 21, 42, …; a press
    // in the middle of step 21 - early stops early cells early, on cell early + 1.
    void slipPullsTheTargetInAcrossTheWrap()
    {
        const ReelSpin spin{80, 1, 0};
        for (int slip = 0; slip <= 4; ++slip) {
            for (int early = 0; early <= 5; ++early) {
                const auto pressUs = qint64((21 - early + 0.5) * spin.cellUs());
                const PressResult r = pressAt(spin, {reel::Left, Upper, Symbol::Seven}, slip, pressUs);
                const bool pulledIn = early <= slip;
                QVERIFY2(r.hit == pulledIn, qPrintable(QString("slip %1, %2 early").arg(slip).arg(early)));
                QCOMPARE(r.stoppedUpperPosition, pulledIn ? 1 : early + 1);
                QCOMPARE(r.cellsOff, pulledIn ? 0 : -early);
                QVERIFY(qAbs(r.offsetCells + early) < 1e-4);
            }
        }
        // Past the wrap: cell 21 follows cell 1 on the row, one cell late.
        const PressResult late = pressAt(spin, {reel::Left, Upper, Symbol::Seven}, 4, qint64(22.5 * spin.cellUs()));
        QCOMPARE(late.stoppedUpperPosition, 21);
        QCOMPARE(QString::fromStdU16String(resultText(late)), QString("1 コマ遅い (+36 ms)"));
        QCOMPARE(QString::fromStdU16String(resultText(pressAt(spin, {reel::Left, Upper, Symbol::Seven}, 3, qint64(18.5 * spin.cellUs())))),
                 QString("命中 (−107 ms)"));
    }

    void texts()
    {
        QCOMPARE(QString::fromStdU16String(targetText({reel::Left, Middle, Symbol::Seven})), QString("左リール 中段に 七"));
        QCOMPARE(QString::fromStdU16String(targetText({reel::Right, Lower, Symbol::Bar})), QString("右リール 下段に ＢＡＲ"));
        QCOMPARE(QString::fromStdU16String(signedMs(-0.4)), QString("0 ms"));
        QCOMPARE(QString::fromStdU16String(signedMs(37.6)), QString("+38 ms"));
        QCOMPARE(QString::fromStdU16String(signedMs(-6.2)), QString("\u22126 ms"));
    }

    void summariesPerSymbolAndOverall()
    {
        PressStatistics stats;
        stats.add(Symbol::Seven, true, -10, -0.3);
        stats.add(Symbol::Seven, false, 30, 0.8);
        stats.add(Symbol::Ice, true, 10, 0.3);
        const OffsetSummary seven = stats.of(Symbol::Seven);
        QCOMPARE(seven.presses, 2);
        QCOMPARE(seven.hitRate(), 0.5);
        QCOMPARE(seven.meanMs, 10.0);
        QVERIFY(qAbs(seven.spreadMs - 28.2843) < 1e-3);
        QCOMPARE(stats.of(Symbol::Ice).spreadMs, 0.0);
        QCOMPARE(stats.of(Symbol::Bar).presses, 0);
        QCOMPARE(stats.of(Symbol::Bar).hitRate(), 0.0);
        QCOMPARE(stats.overall().presses, 3);
        QCOMPARE(stats.overall().hits, 2);
        QCOMPARE(stats.overall().meanMs, 10.0);
        QCOMPARE(stats.overall().spreadMs, 20.0);
    }

    // Statistics rebuilt from stored sums and recent offsets are those of the presses themselves.
    void sumsAndRecentOffsetsRestoreTheStatistics()
    {
        PressStatistics pressed;
        for (int i = 0; i < 130; ++i)
            pressed.add(i % 3 ? Symbol::Bar : Symbol::Cherry, i % 4 == 0, i - 40.0, (i - 40.0) / 35.7);
        PressStatistics restored;
        restored.addSums(Symbol::Bar, {86, 22, 2107, 170839});
        restored.addSums(Symbol::Cherry, {44, 11, 1078, 90266});
        for (int i = 30; i < 130; ++i)
            restored.addRecent(i - 40.0, (i - 40.0) / 35.7);
        QCOMPARE(restored.overall().presses, pressed.overall().presses);
        QCOMPARE(restored.overall().hits, pressed.overall().hits);
        QCOMPARE(restored.overall().meanMs, pressed.overall().meanMs);
        QCOMPARE(restored.of(Symbol::Bar).spreadMs, pressed.of(Symbol::Bar).spreadMs);
        QCOMPARE(restored.of(Symbol::Cherry).hits, pressed.of(Symbol::Cherry).hits);
        QCOMPARE(restored.recentMs(), pressed.recentMs());
        QCOMPARE(restored.biasHint(), pressed.biasHint());
    }

    void histogramKeepsTheLastHundred()
    {
        PressStatistics stats;
        for (int i = 0; i < 150; ++i)
            stats.add(Symbol::Replay, false, i < 50 ? -500 : (i % 2 ? 5 : -15), 0);
        QCOMPARE(int(stats.recentMs().size()), 100);
        // 10 bins of 10 ms: -50..50; -15 falls in bin 3, 5 in bin 5.
        QCOMPARE(stats.histogram(10, 10), std::vector<int>({0, 0, 0, 50, 0, 50, 0, 0, 0, 0}));
        stats.add(Symbol::Replay, false, 999, 0);
        stats.add(Symbol::Replay, false, -999, 0);
        const std::vector<int> edges = stats.histogram(10, 10);
        QCOMPARE(edges.front(), 1);
        QCOMPARE(edges.back(), 1);
        QCOMPARE(stats.overall().presses, 152);
    }

    void biasHint_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<double>("centre");
        QTest::addColumn<double>("scatter");
        QTest::addColumn<QString>("hint");
        QTest::newRow("too few") << 19 << 1.2 << 0.1 << QString();
        QTest::newRow("late") << 20 << 1.2 << 0.1 << QString("平均 1.2 コマ遅い: 少し早めに押しましょう");
        QTest::newRow("early") << 40 << -0.8 << 0.2 << QString("平均 0.8 コマ早い: 少し遅めに押しましょう");
        QTest::newRow("small lean") << 40 << 0.2 << 0.05 << QString();
        QTest::newRow("lean lost in scatter") << 20 << 0.4 << 3.0 << QString();
    }
    void biasHint()
    {
        QFETCH(int, presses);
        QFETCH(double, centre);
        QFETCH(double, scatter);
        QFETCH(QString, hint);
        PressStatistics stats;
        for (int i = 0; i < presses; ++i) {
            const double cells = centre + (i % 2 ? scatter : -scatter);
            stats.add(Symbol::Chime, false, cells * 35.7, cells);
        }
        QCOMPARE(QString::fromStdU16String(stats.biasHint()), hint);
    }

    // The clocks' difference is the smallest seen; a stamp that would put a
    // press long before its arrival is not believed.
    void eventStampsOnTheAnimationClock()
    {
        EventClock clock;
        QCOMPARE(clock.momentOf(0, 5'000'000), 5'000'000);         // no stamp
        QCOMPARE(clock.momentOf(1000, 7'003'000), 7'003'000);     // the first sets the difference, 6.003 s
        QCOMPARE(clock.momentOf(1100, 7'101'000), 7'101'000);     // a quicker arrival lowers it to 6.001 s
        QCOMPARE(clock.momentOf(1200, 7'209'000), 7'201'000);     // queued 8 ms: the stamp is believed
        QCOMPARE(clock.momentOf(1300, 7'401'000), 7'301'000);     // 100 ms late: still believed
        QCOMPARE(clock.momentOf(1400, 7'501'001), 7'501'001);     // a µs more: the arrival
        QCOMPARE(clock.momentOf(1410, 7'520'000), 7'511'001);     // and the difference learnt anew
        QCOMPARE(clock.momentOf(900, 7'500'000), 7'500'000);      // the platform's clock went back
        QCOMPARE(clock.momentOf(901, 7'501'500), 7'501'000);
    }

    // Every symbol of the strip as likely, however many cells it has, on every row.
    void targetsCoverEverySymbolAndRowEvenly()
    {
        SeededRandom random(7);
        std::map<Symbol, int> symbols;
        std::set<Row> rows;
        for (int i = 0; i < 7000; ++i) {
            const Target target = randomTarget(reel::Left, random);
            QCOMPARE(target.reel, reel::Left);
            ++symbols[target.symbol];
            rows.insert(target.row);
        }
        QCOMPARE(int(symbols.size()), 7);
        for (const auto& [symbol, count] : symbols)
            QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));  // 七 has one cell, 風鈴 six
        QCOMPARE(int(rows.size()), 3);
    }
};

QTEST_APPLESS_MAIN(TestTimingCore)
#include "tst_timing_core.moc"
