#include "core/timing/event_clock.h"
#include "core/timing/press_result.h"
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
        // Boundaries: the first µs a cell has passed, and the next one to stand aligned.
        QCOMPARE(spin.momentOfStep(1), 1000 + 35715);
        QCOMPARE(spin.momentOfStep(7), 1000 + 250000);
        QCOMPARE(spin.nextAlignedStep(1000 + 250000), 7);
        QCOMPARE(spin.nextAlignedStep(1000 + 250001), 8);
        QCOMPARE(spin.nextAlignedStep(0), 0);
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

    // 氷 stands on the middle row after the seventh boundary (cell 16): at
    // 80 rpm 250 ms after the start, at 20 rpm 1 s. A press stops the reel on
    // the first cell to stand aligned at or after it, so the presses that
    // stop on 氷 are those while cell 17 passes, the sixth cell to the
    // seventh boundary, the boundary itself included; the ideal moment is
    // half a cell before it.
    void pressesOnCellBoundariesAtBothSpeedLimits_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<qint64>("pressUs");
        QTest::addColumn<int>("middleCell");
        QTest::addColumn<QString>("text");
        // The sixth boundary falls between 214285 and 214286 µs at 80 rpm.
        QTest::newRow("80 rpm, before the sixth boundary") << 80 << qint64(214285) << 17 << QString("1 コマ早い (−18 ms)");
        QTest::newRow("80 rpm, after the sixth boundary") << 80 << qint64(214286) << 16 << QString("命中 (−18 ms)");
        QTest::newRow("80 rpm, ideal moment") << 80 << qint64(232143) << 16 << QString("命中 (0 ms)");
        QTest::newRow("80 rpm, 1 µs before the seventh") << 80 << qint64(249999) << 16 << QString("命中 (+18 ms)");
        QTest::newRow("80 rpm, on the seventh") << 80 << qint64(250000) << 16 << QString("命中 (+18 ms)");
        QTest::newRow("80 rpm, 1 µs after the seventh") << 80 << qint64(250001) << 15 << QString("1 コマ遅い (+18 ms)");
        QTest::newRow("20 rpm, before the sixth boundary") << 20 << qint64(857142) << 17 << QString("1 コマ早い (−71 ms)");
        QTest::newRow("20 rpm, ideal moment") << 20 << qint64(928571) << 16 << QString("命中 (0 ms)");
        QTest::newRow("20 rpm, 1 µs before the seventh") << 20 << qint64(999999) << 16 << QString("命中 (+71 ms)");
        QTest::newRow("20 rpm, on the seventh") << 20 << qint64(1000000) << 16 << QString("命中 (+71 ms)");
        QTest::newRow("20 rpm, 1 µs after the seventh") << 20 << qint64(1000001) << 15 << QString("1 コマ遅い (+71 ms)");
        QTest::newRow("20 rpm, 2 cells late") << 20 << qint64(1214286) << 14 << QString("2 コマ遅い (+286 ms)");
    }
    void pressesOnCellBoundariesAtBothSpeedLimits()
    {
        QFETCH(int, rpm);
        QFETCH(qint64, pressUs);
        QFETCH(int, middleCell);
        QFETCH(QString, text);
        const ReelSpin spin{rpm, 1, 0};
        const PressResult r = pressAt(spin, {reel::Left, Middle, Symbol::Ice}, 0, pressUs);
        QCOMPARE(r.stoppedUpperPosition % 21 + 1, middleCell);
        QCOMPARE(r.stoppedCell, middleCell);
        QCOMPARE(r.targetCell, 16);
        QCOMPARE(r.hit, text.startsWith(u"命中"));
        QCOMPARE(QString::fromStdU16String(resultText(r)), text);
        // A hit lies within half a cell of the ideal moment, its late edge included, a miss outside it.
        QCOMPARE(r.hit, r.offsetCells > -0.5 && r.offsetCells <= 0.5);
        // The stop is the next aligned cell, reached forward.
        QCOMPARE(spin.cellAfter(r.stopSteps, Middle), middleCell);
        QVERIFY(r.stopSteps * ReelSpin::kCellUnits >= spin.turnedUnits(pressUs));
        QVERIFY((r.stopSteps - 1) * ReelSpin::kCellUnits < spin.turnedUnits(pressUs));
    }

    // 七 on the upper row is at cell 1, on the row at steps 0, 21, 42, …; a
    // press at the ideal moment of step 21 - early stops `early` cells early,
    // on cell early + 1, unless the slip reaches 七.
    void slipPullsTheTargetInAcrossTheWrap()
    {
        const ReelSpin spin{80, 1, 0};
        for (int slip = 0; slip <= 4; ++slip) {
            for (int early = 0; early <= 5; ++early) {
                const auto pressUs = qint64((21 - early - 0.5) * spin.cellUs());
                const PressResult r = pressAt(spin, {reel::Left, Upper, Symbol::Seven}, slip, pressUs);
                const bool pulledIn = early <= slip;
                QVERIFY2(r.hit == pulledIn, qPrintable(QString("slip %1, %2 early").arg(slip).arg(early)));
                QCOMPARE(r.stoppedUpperPosition, pulledIn ? 1 : early + 1);
                QCOMPARE(r.stopSteps, pulledIn ? 21 : 21 - early);
                QCOMPARE(r.cellsOff, pulledIn ? 0 : -early);
                QVERIFY(qAbs(r.offsetCells + early) < 1e-4);
            }
        }
        // Past the wrap: cell 21 follows cell 1 on the row, one cell late.
        const PressResult late = pressAt(spin, {reel::Left, Upper, Symbol::Seven}, 4, qint64(21.5 * spin.cellUs()));
        QCOMPARE(late.stoppedUpperPosition, 21);
        QCOMPARE(late.targetCell, 1);
        QCOMPARE(QString::fromStdU16String(resultText(late)), QString("1 コマ遅い (+36 ms)"));
        QCOMPARE(QString::fromStdU16String(resultText(pressAt(spin, {reel::Left, Upper, Symbol::Seven}, 3, qint64(17.5 * spin.cellUs())))),
                 QString("命中 (−107 ms)"));
    }

    // From the press the reel turns on at its speed to its stop and stands:
    // its path starts where the free spin is at the press, never goes back,
    // and ends on the stop's boundary at the stand's moment; at 80 rpm the
    // longest slide, the rest of a cell and 4 more, takes 178.6 ms.
    void slideGoesOnlyForwardToTheStop_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("slip");
        QTest::addColumn<qint64>("pressUs");
        QTest::addColumn<qint64>("standUs");
        // 七 on the upper row at step 21; step 16's boundary is 571428.6 µs at 80 rpm.
        QTest::newRow("80 rpm, slip 0, on a boundary") << 80 << 0 << qint64(250000) << qint64(250000);
        QTest::newRow("80 rpm, slip 0, just after it") << 80 << 0 << qint64(250001) << qint64(285715);
        QTest::newRow("80 rpm, slip 4, the longest slide") << 80 << 4 << qint64(571429) << qint64(750000);
        QTest::newRow("80 rpm, slip 4, across the wrap") << 80 << 4 << qint64(21 * 750000 + 15000) << qint64(21 * 750000 + 35715);
        QTest::newRow("20 rpm, slip 0") << 20 << 0 << qint64(1000001) << qint64(1142858);
        QTest::newRow("20 rpm, slip 4") << 20 << 4 << qint64(2500000) << qint64(3000000);
    }
    void slideGoesOnlyForwardToTheStop()
    {
        QFETCH(int, rpm);
        QFETCH(int, slip);
        QFETCH(qint64, pressUs);
        QFETCH(qint64, standUs);
        const ReelSpin spin{rpm, 1, 0};
        const PressResult r = pressAt(spin, {reel::Left, Upper, Symbol::Seven}, slip, pressUs);
        const ReelSpin slide = spin.stoppingAfter(r.stopSteps);
        QCOMPARE(*slide.standUs(), standUs);
        QCOMPARE(slide.turnedUnits(pressUs), spin.turnedUnits(pressUs));
        std::int64_t last = slide.turnedUnits(pressUs);
        for (std::int64_t us = pressUs; us <= standUs + 1000; us += 7) {
            const std::int64_t now = slide.turnedUnits(us);
            QVERIFY2(now >= last, qPrintable(QString::number(us)));
            QCOMPARE(now, std::min(spin.turnedUnits(us), r.stopSteps * ReelSpin::kCellUnits));
            last = now;
        }
        QVERIFY(!slide.standsAt(standUs - 1));
        QVERIFY(slide.standsAt(standUs));
        QCOMPARE(slide.upperPositionAt(standUs + 5'000'000), r.stoppedUpperPosition);
        if (rpm == kMaxRpm)
            QVERIFY(standUs - pressUs <= 178'572);
        // A change of speed on the way keeps its stop.
        const ReelSpin slower = slide.withRpm(kMinRpm, pressUs);
        QCOMPARE(slower.upperPositionAt(*slower.standUs()), r.stoppedUpperPosition);
    }

    void texts()
    {
        QCOMPARE(QString::fromStdU16String(targetText({reel::Left, Middle, Symbol::Seven})), QString("左リール 中段に 七"));
        QCOMPARE(QString::fromStdU16String(targetText({reel::Right, Lower, Symbol::Bar})), QString("右リール 下段に ＢＡＲ"));
        QCOMPARE(QString::fromStdU16String(signedMs(-0.4)), QString("0 ms"));
        QCOMPARE(QString::fromStdU16String(signedMs(37.6)), QString("+38 ms"));
        QCOMPARE(QString::fromStdU16String(signedMs(-6.2)), QString("\u22126 ms"));
        QCOMPARE(QString::fromStdU16String(cellsOffText(0.4)), QString("0.4 コマ遅い"));
        QCOMPARE(QString::fromStdU16String(cellsOffText(-1.25)), QString("1.3 コマ早い"));
        QCOMPARE(QString::fromStdU16String(cellsOffText(0.04)), QString("ぴったり"));
        QCOMPARE(QString::fromStdU16String(cellsOffText(-2.0)), QString("2.0 コマ早い"));
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
