#include "app/program.h"
#include "core/reels/symbols_in_words.h"
#include "history/drill/drill_schema.h"
#include "history/history_database.h"
#include "history/timing/timing_schema.h"
#include "tests/context_menu.h"
#include "tests/driving.h"
#include "tests/spinning_window_fixture.h"
#include "ui/look.h"
#include "windows/notice_and_info/form4.h"
#include "windows/pieces/spinning_reel_view.h"
#include "windows/reel/riru.h"
#include "windows/timing/press_still.h"
#include "windows/timing/timing_window.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

namespace {

using timing::ReelSpin;

constexpr double kCellUs80 = 60e6 / 21 / 80;  // 35714.3 µs

// A timing window on a database of its own and a clock the test moves.
struct TimingFixture : SpinningWindowFixture<TimingWindow, TimingHistory> {
    explicit TimingFixture(std::uint64_t seed = 1) : SpinningWindowFixture(seed) {}

    // The cells turned when the target first stands on its row three cells
    // or more from now, with room for an early press.
    std::int64_t targetStep() const
    {
        const ReelSpin& spin = window->spin();
        const timing::Target& target = window->target();
        for (std::int64_t step = spin.cellsTurned(*nowUs) + 3;; ++step)
            if (reel::symbolOf(target.reel, spin.cellAfter(step, target.row)) == target.symbol)
                return step;
    }
    // Its ideal moment: half a cell before it stands on the row.
    std::int64_t idealUs() const
    {
        const ReelSpin& spin = window->spin();
        return spin.startUs + std::llround((targetStep() - 0.5) * ReelSpin::kCellUnits / (21.0 * spin.rpm));
    }
    // True when the target's symbol is alone within three cells of its next passage.
    bool targetStandsAlone() const
    {
        const ReelSpin& spin = window->spin();
        const timing::Target& target = window->target();
        const std::int64_t step = targetStep();
        for (std::int64_t s = step - 3; s <= step + 3; ++s)
            if (s != step && reel::symbolOf(target.reel, spin.cellAfter(s, target.row)) == target.symbol)
                return false;
        return true;
    }
    // Asks anew until the target stands alone, so that a press a cell or two
    // off its passage lands on no other; choosing the reel again asks anew
    // without a press.
    void aimAtLoneTarget() const
    {
        auto* choice = child<QComboBox>("reelChoice");
        const int chosen = choice->currentIndex();
        while (!targetStandsAlone()) {
            choice->setCurrentIndex(chosen == 0 ? 1 : 0);
            choice->setCurrentIndex(chosen);
        }
    }
    // A press at `us`, and the time on to when the reel stands.
    void pressAt(std::int64_t us) const
    {
        *nowUs = us;
        key(Qt::Key_Space);
        standStill();
    }
    // A stop key now, and the time on to the stand.
    void stop(int stopKey = Qt::Key_Space) const
    {
        key(stopKey);
        standStill();
    }
    // The time on to the moment the pressed reel stands, as the stand's timer fires then.
    void standStill() const
    {
        if (!window->isSliding())
            return;
        *nowUs = std::max(*nowUs, *window->spin().standUs());
        tick(*window, "stand");
    }
    // The symbol the asked reel shows on the target's row, from its description in words.
    QString shownOnTargetRow() const
    {
        static const char* kRows[] = {"上段: ", "中段: ", "下段: "};
        const QString said = window->askedReel()->accessibleDescription();
        for (const QString& part : said.split(QStringLiteral("、")))
            if (part.startsWith(QString::fromUtf8(kRows[window->target().row])))
                return part.mid(4);
        return said;
    }
    QString targetName() const { return words(reel::nameOf(window->target().symbol)); }
    // The signed ms the result ends with.
    int shownMs() const
    {
        const QString result = text("result");
        const QString number = result.section(u'(', 1).section(u' ', 0, 0);
        return number.startsWith(u'\u2212') ? -number.mid(1).toInt() : number.toInt();
    }
};

QString statisticsCell(const TimingFixture& fixture, int row, int column)
{
    return fixture.child<QTableWidget>("statistics")->item(row, column)->text();
}

// What the reel choice, the speed and the slip boxes show.
QStringList boxValues(const TimingFixture& fixture)
{
    return {fixture.child<QComboBox>("reelChoice")->currentText(), fixture.child<QSpinBox>("rpm")->text(),
            fixture.child<QSpinBox>("slip")->text()};
}

}  // namespace

// The timing drill driven with chosen times: its reels, its stops and its
// results, its keys, its statistics and its history.
class TestTimingWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::useClassicLook();
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }

    // F4 and the reel window's menu entry, after the other windows' entries, open one window; Esc closes it.
    void keyAndMenuOpenOneWindow()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        QVERIFY(QTest::qWaitForWindowActive(riru));
        QTest::keyClick(riru, Qt::Key_F4);
        TimingWindow* window = program.window<TimingWindow>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("目押し練習"));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());

        const QStringList offered =
            rightClickAndChoose(riru->findChild<QLabel*>("lbyakumei"), QStringLiteral("目押し練習 (F4)"));
        QVERIFY2(offered.contains(QStringLiteral("目押し練習 (F4)")), qPrintable(offered.join(u',')));
        QCOMPARE(program.window<TimingWindow>(), window);
        QVERIFY(window->isVisible());
    }

    // A press on the ideal moment hits; a cell and 38 ms on is a cell late;
    // the reel stands where it stopped, said in words, until the next target.
    void pressesLandWhereTheyWereMade()
    {
        TimingFixture t;
        t.aimAtLoneTarget();
        QVERIFY(t.window->isSpinning());
        QCOMPARE(t.window->askedReel()->accessibleDescription(), QStringLiteral("回転中"));
        QVERIFY(t.text("target").endsWith(t.targetName()));
        t.pressAt(t.idealUs());
        QCOMPARE(t.text("result"), QStringLiteral("命中 (0 ms)"));
        QCOMPARE(t.shownOnTargetRow(), t.targetName());
        const int stoodAt = t.window->askedReel()->upperPosition();
        *t.nowUs += 5'000'000;
        QCOMPARE(t.window->askedReel()->upperPosition(), stoodAt);

        t.key(Qt::Key_Return);
        t.aimAtLoneTarget();
        t.pressAt(t.idealUs() + 38'000);
        QCOMPARE(t.text("result"), QStringLiteral("1 コマ遅い (+38 ms)"));
        QVERIFY(t.shownOnTargetRow() != t.targetName());

        t.key(Qt::Key_Return);
        t.aimAtLoneTarget();
        t.pressAt(t.idealUs() - std::llround(2 * kCellUs80));
        QCOMPARE(t.text("result"), QStringLiteral("2 コマ早い (−71 ms)"));
    }

    // With slip, a press up to that many cells early pulls the target onto
    // the row, the offset still measured from its ideal moment.
    void slipPullsTheTargetIn_data()
    {
        QTest::addColumn<int>("slip");
        QTest::addColumn<QString>("result");
        QTest::newRow("no slip") << 0 << QStringLiteral("2 コマ早い (−71 ms)");
        QTest::newRow("one cell is not enough") << 1 << QStringLiteral("2 コマ早い (−71 ms)");
        QTest::newRow("two cells") << 2 << QStringLiteral("命中 (−71 ms)");
        QTest::newRow("four cells") << 4 << QStringLiteral("命中 (−71 ms)");
    }
    void slipPullsTheTargetIn()
    {
        QFETCH(int, slip);
        QFETCH(QString, result);
        TimingFixture t;
        t.child<QSpinBox>("slip")->setValue(slip);
        t.aimAtLoneTarget();
        t.pressAt(t.idealUs() - std::llround(2 * kCellUs80));
        QCOMPARE(t.text("result"), result);
        QCOMPARE(t.shownOnTargetRow() == t.targetName(), result.startsWith(u"命中"));
    }

    // The press counts from the key's own time stamp once the clocks are
    // compared, not from when it arrived; a stamp that would be too old is not believed.
    void stampsTimeThePress()
    {
        TimingFixture t;
        t.aimAtLoneTarget();
        t.stampedKey(Qt::Key_Space, t.idealUs(), 0);  // compares the clocks
        t.standStill();
        QCOMPARE(t.text("result"), QStringLiteral("命中 (0 ms)"));
        t.key(Qt::Key_Space);
        t.aimAtLoneTarget();
        t.stampedKey(Qt::Key_Space, t.idealUs(), 45'000);
        t.standStill();
        QVERIFY2(t.text("result").startsWith(u"命中") && std::abs(t.shownMs()) <= 1, qPrintable(t.text("result")));
        t.key(Qt::Key_Space);
        t.aimAtLoneTarget();
        const std::int64_t arrival = t.idealUs() + 20'000;
        t.stampedKey(Qt::Key_Space, arrival - 150'000, 150'000);
        t.standStill();
        QCOMPARE(t.text("result"), QStringLiteral("1 コマ遅い (+20 ms)"));
    }

    // Every stop key stops the asked reel, whichever control has the focus,
    // and never changes a box, turning, on the way to the stop or standing;
    // a held key does nothing more, nor does any key on the way to the stop.
    void stopAndNextKeys_data()
    {
        QTest::addColumn<int>("key");
        for (int key : {Qt::Key_Space, Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right})
            QTest::newRow(qPrintable(QKeySequence(key).toString())) << key;
    }
    void stopAndNextKeys()
    {
        QFETCH(int, key);
        TimingFixture t;
        auto* next = t.child<QPushButton>("next");
        const QStringList before = boxValues(t);
        for (const char* box : {"reelChoice", "rpm", "slip"}) {
            t.child(box)->setFocus();
            QVERIFY(!next->isEnabled());
            t.key(Qt::Key_Return);
            QVERIFY(t.window->isSpinning());
            *t.nowUs += 10'000;  // off the boundaries, so that the reel slides
            t.key(key);
            QVERIFY(t.window->isSliding());
            for (int more : {key, int(Qt::Key_Return), int(Qt::Key_Space)})
                t.key(more);
            QVERIFY(t.window->isSliding());
            t.standStill();
            QVERIFY(!t.window->isSpinning() && !t.window->isSliding());
            QVERIFY(next->isEnabled());
            t.key(Qt::Key_Space, 0, true);
            QVERIFY(!t.window->isSpinning());
            t.child(box)->setFocus();
            for (int standing : {int(Qt::Key_Down), int(Qt::Key_Left), int(Qt::Key_Right), key})
                if (standing != Qt::Key_Space)
                    t.key(standing);
            QVERIFY(!t.window->isSpinning());
            QCOMPARE(boxValues(t), before);
            QCOMPARE(t.window->target().reel, reel::Left);
            QTest::mouseClick(next, Qt::LeftButton);
            QVERIFY(t.window->isSpinning());
            QVERIFY(!next->isEnabled());
        }
    }

    // From a key stamped at a chosen moment, the reel turns on at its speed
    // to its stop and stands there: every frame drawn from just before the
    // press to the stand is as far on as the one before, the stand shows the
    // last frame's picture, and the result comes with the stand, never before;
    // at 80 rpm the reel stands within 190 ms of the press. Then the still
    // draws the press against its target.
    void slideIsDrawnForwardToTheStop_data()
    {
        QTest::addColumn<int>("slip");
        QTest::addColumn<double>("cellsFromIdeal");
        QTest::newRow("slip 0, at the ideal moment") << 0 << 0.0;
        QTest::newRow("slip 0, a tenth of a cell before a boundary") << 0 << 0.4;
        QTest::newRow("slip 0, a tenth of a cell after it, late") << 0 << 0.6;
        QTest::newRow("slip 4, pulled in from 3.9 cells early") << 4 << -3.9;
    }
    void slideIsDrawnForwardToTheStop()
    {
        QFETCH(int, slip);
        QFETCH(double, cellsFromIdeal);
        TimingFixture t;
        QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
        t.child<QSpinBox>("slip")->setValue(slip);
        t.stampedKey(Qt::Key_Space, *t.nowUs, 0);  // compares the clocks
        t.standStill();
        t.key(Qt::Key_Return);
        t.aimAtLoneTarget();

        SpinningReelView* reel = t.window->askedReel();
        std::vector<double> drawn;
        QObject::connect(reel, &SpinningReelView::framePainted, t.window.get(),
                         [&](std::int64_t, double cells) { drawn.push_back(cells); });
        const std::int64_t pressUs = t.idealUs() + std::llround(cellsFromIdeal * kCellUs80);
        *t.nowUs = pressUs - 1000;
        reel->repaint();
        t.stampedKey(Qt::Key_Space, pressUs, 1000);
        QVERIFY(t.window->isSliding());
        const std::int64_t standUs = *t.window->spin().standUs();
        QVERIFY2(standUs - pressUs <= 190'000, qPrintable(QString::number(standUs - pressUs)));
        for (std::int64_t us = *t.nowUs; us <= standUs; us = std::min(us + 4000, us < standUs ? standUs : us + 1)) {
            *t.nowUs = us;
            reel->repaint();
            tick(*t.window, "stand");
            QCOMPARE(t.text("result").isEmpty(), us < standUs);
        }
        QVERIFY(drawn.size() >= 3);
        for (std::size_t frame = 1; frame < drawn.size(); ++frame)
            QVERIFY2(drawn[frame] >= drawn[frame - 1], qPrintable(QStringLiteral("frame %1").arg(frame)));
        QVERIFY(std::abs(drawn.back() - double(t.window->spin().stopSteps.value())) < 1.0 / 63);

        *t.nowUs = standUs - 1;
        t.window->askedReel()->repaint();
        QVERIFY(!t.window->isSliding() && !t.window->isSpinning());
        const QImage stood = reel->grab().toImage();
        t.window->setFocus();
        *t.nowUs += 5'000'000;
        QCOMPARE(reel->grab().toImage(), stood);
        QCOMPARE(t.shownOnTargetRow() == t.targetName(), t.text("result").startsWith(u"命中"));
        const auto* still = t.child<PressStill>("pressStill");
        // The stamp counts in whole ms: up to 0.028 cell earlier.
        QVERIFY(std::abs(still->drawnOffsetCells() - std::clamp(cellsFromIdeal, -2.0, 2.0)) < 0.03);
        QVERIFY(still->accessibleDescription().startsWith(QStringLiteral("目標から ")));
    }

    // What a screen reader speaks is what has the focus, read by its name,
    // value and description, and a notification as it shows: after each stop
    // the focus is on 次へ, described by the result; with each next target on
    // the turning reel, the target line a notification; the reel choice
    // describes itself by its value and the target, and the keys that would
    // change it unheard open its list.
    void eachStopAndTargetIsHeard()
    {
        TimingFixture t;
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        auto* choice = t.child<QComboBox>("reelChoice");
        QCOMPARE(choice->accessibleDescription(), QStringLiteral("左、") + t.text("target"));
        for (int round = 0; round < 2; ++round) {
            t.pressAt(t.idealUs());
            QCOMPARE(QApplication::focusWidget(), t.child("next"));
            QCOMPARE(t.child("next")->accessibleDescription(), QStringLiteral("命中 (0 ms)"));
            t.key(Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget(), t.window->askedReel());
            QAccessibleInterface* target = QAccessible::queryAccessibleInterface(t.child("target"));
            QCOMPARE(target->role(), QAccessible::Notification);
            QCOMPARE(target->text(QAccessible::Name), t.text("target"));
        }
        choice->setFocus();
        for (int key : {Qt::Key_Up, Qt::Key_End}) {
            t.key(key);
            QVERIFY(QApplication::activePopupWidget());
            QApplication::activePopupWidget()->close();
            QCOMPARE(choice->currentIndex(), 0);
        }
        choice->setCurrentIndex(2);
        QCOMPARE(choice->accessibleDescription(), QStringLiteral("右、") + t.text("target"));
        QVERIFY(t.text("target").startsWith(QStringLiteral("右リール")));
    }

    // A click stops the asked reel, and only that one.
    void clickStopsTheAskedReel()
    {
        TimingFixture t;
        t.child<QComboBox>("reelChoice")->setCurrentIndex(1);
        QCOMPARE(t.window->target().reel, reel::Center);
        QTest::mouseClick(t.child("reel_left"), Qt::LeftButton);
        QVERIFY(t.window->isSpinning());
        QTest::mouseClick(t.child("reel_center"), Qt::LeftButton);
        QVERIFY(!t.window->isSpinning());
        QVERIFY(t.text("result").contains(u"ms)"));
    }

    // 順押し asks left, center and right in turn, and only the asked reel turns.
    void inOrderWalksTheReels()
    {
        TimingFixture t;
        t.child<QComboBox>("reelChoice")->setCurrentIndex(3);
        const std::array<SpinningReelView*, 3> reels = {t.child<SpinningReelView>("reel_left"),
            t.child<SpinningReelView>("reel_center"), t.child<SpinningReelView>("reel_right")};
        for (reel::Reel asked : {reel::Left, reel::Center, reel::Right, reel::Left}) {
            QCOMPARE(t.window->target().reel, asked);
            QVERIFY(t.text("target").startsWith(QStringList({"左リール", "中リール", "右リール"})[asked]));
            for (reel::Reel r : reel::kReels)
                QCOMPARE(reels[r]->isSpinning(), r == asked);
            *t.nowUs += 700'000;
            t.stop();
            t.key(Qt::Key_Return);
        }
    }

    // A new speed turns the reel on from where it stands.
    void speedChangesWhileTurning()
    {
        TimingFixture t;
        *t.nowUs += 123'456;
        const int standing = t.window->askedReel()->upperPosition();
        t.child<QSpinBox>("rpm")->setValue(20);
        QCOMPARE(t.window->askedReel()->upperPosition(), standing);
        QCOMPARE(t.window->spin().rpm, 20);
        t.aimAtLoneTarget();
        t.pressAt(t.idealUs() + 38'000);
        QCOMPARE(t.text("result"), QStringLiteral("命中 (+38 ms)"));  // half a cell is 71 ms at 20 rpm
    }

    // The strip is drawn where the spin stands at the moment of painting, in
    // whole pixels, moving down, across the strip's end; frames are asked
    // for at the screen's refresh, only while the reel turns.
    void reelIsDrawnWhereItStands()
    {
        TimingFixture t;
        QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
        const QImage strip(":/pictures/r1.bmp");
        auto* timer = t.window->findChild<QTimer*>("frames");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QVERIFY(timer->interval() > 0 && timer->interval() <= 17);
        const ReelSpin spin = t.window->spin();
        for (double cells : {0.0, 0.5, 7.25, 30.8}) {
            *t.nowUs = spin.startUs + std::llround(cells * ReelSpin::kCellUnits / (21.0 * spin.rpm));
            const QImage shown = t.window->askedReel()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            double position = spin.startPosition - std::fmod(cells, 21.0);
            if (position < 1)
                position += 21;
            const int top = static_cast<int>(std::lround(position * 950 / 15.0));
            for (int y : {10, 40, 90, 170}) {
                const QImage row = strip.copy(4, top + y, 90, 1).convertToFormat(QImage::Format_RGB32);
                QVERIFY2(shown.copy(4, y, 90, 1) == row, qPrintable(QStringLiteral("%1 cells, row %2").arg(cells).arg(y)));
            }
        }
        t.stop();
        QVERIFY(!timer->isActive());
        t.key(Qt::Key_Space);
        t.window->hide();
        QVERIFY(!timer->isActive());
    }

    // Each press is one row of the history; a new window reads the statistics back.
    void statisticsAndHistory()
    {
        TimingFixture t;
        QVERIFY(!QFile::exists(t.path));  // opening writes nothing
        t.aimAtLoneTarget();
        const timing::Target first = t.window->target();
        const std::int64_t firstUs = t.idealUs() + 10'000;
        t.pressAt(firstUs);
        const qint64 firstAtMs = kUtc + firstUs / 1000;  // kept as pressed, before the reel stands
        t.key(Qt::Key_Space);
        t.aimAtLoneTarget();
        t.pressAt(t.idealUs() + 40'000);
        constexpr int kOverall = 7;
        QCOMPARE(statisticsCell(t, kOverall, 0), QStringLiteral("2"));
        QCOMPARE(statisticsCell(t, kOverall, 1), QStringLiteral("50 %"));
        QCOMPARE(statisticsCell(t, kOverall, 2), QStringLiteral("+25 ms"));
        QCOMPARE(statisticsCell(t, kOverall, 3), QStringLiteral("21 ms"));
        QVERIFY(t.child("histogram")->accessibleDescription().contains(u"5～15 ms: 1 回"));

        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(t.path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec("SELECT pressed_at_ms, reel, target_row, symbol, rpm, slip, stopped_cell, hit,"
                               " cells_off, offset_ms FROM timing_presses ORDER BY id"));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toLongLong(), firstAtMs);
            QCOMPARE(query.value(1).toString(), QString("left"));
            QCOMPARE(query.value(2).toString(), QStringList({"upper", "middle", "lower"})[first.row]);
            QCOMPARE(query.value(4).toInt(), 80);
            QCOMPARE(query.value(5).toInt(), 0);
            QCOMPARE(reel::symbolOf(reel::Left, query.value(6).toInt()), first.symbol);
            QCOMPARE(query.value(7).toInt(), 1);
            QCOMPARE(query.value(8).toInt(), 0);
            QVERIFY(std::abs(query.value(9).toDouble() - 10) < 0.01);
            QVERIFY(query.next());
            QCOMPARE(query.value(7).toInt(), 0);
            QCOMPARE(query.value(8).toInt(), 1);
            QVERIFY(!query.next());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));

        t.open(2);
        QCOMPARE(statisticsCell(t, kOverall, 0), QStringLiteral("2"));
        QCOMPARE(statisticsCell(t, kOverall, 3), QStringLiteral("21 ms"));
        QVERIFY(t.child("histogram")->accessibleDescription().contains(u"35～45 ms: 1 回"));
    }

    // Presses kept under the earlier rule, one cell before the machine's
    // stop, stay in the history, marked by the rule, and are left out of the
    // statistics, which one line says; the presses after are counted.
    void earlierPressesAreLeftOut()
    {
        TimingFixture t;
        {
            HistoryDatabase earlier(t.path, {drillSchemaStep(), timingSchemaStep()});
            for (int press = 0; press < 3; ++press)
                QVERIFY(earlier.write([](Statements& sql) {
                    return sql.run(QStringLiteral("INSERT INTO timing_presses (pressed_at_ms, reel, target_row, symbol,"
                                                  " rpm, slip, stopped_cell, hit, cells_off, offset_ms)"
                                                  " VALUES (1, 'left', 'upper', 'seven', 80, 0, 1, 0, 1, 40)"));
                }));
        }
        constexpr int kOverall = 7;
        for (int opening = 0; opening < 2; ++opening) {
            t.open();
            auto* note = t.child<QLabel>("earlierRuleNote");
            QVERIFY(note->isVisible());
            QVERIFY2(note->text().contains(u"3 回"), qPrintable(note->text()));
            QCOMPARE(statisticsCell(t, kOverall, 0), QString::number(opening));
            QVERIFY(t.child("histogram")->accessibleDescription().contains(QStringLiteral("まだありません")) == (opening == 0));
            t.aimAtLoneTarget();
            t.pressAt(t.idealUs());
            QCOMPARE(statisticsCell(t, kOverall, 0), QString::number(opening + 1));
        }
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rules"));
            db.setDatabaseName(t.path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec("SELECT stop_rule, COUNT(*) FROM timing_presses GROUP BY stop_rule ORDER BY stop_rule"));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), 1);
            QCOMPARE(query.value(1).toInt(), 3);
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), 2);
            QCOMPARE(query.value(1).toInt(), 2);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("rules"));
        TimingFixture fresh;
        QVERIFY(!fresh.child<QLabel>("earlierRuleNote")->isVisible());
    }

    // A history that cannot be written leaves the drill working in memory, said once.
    void unwritableHistoryIsSaidOnce()
    {
        TimingFixture t;
        QFile blocker(t.data.filePath("kareto"));  // a file where the folder would go
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        t.open();
        auto* note = t.child<QLabel>("recordNote");
        QVERIFY(!note->isVisible());
        t.stop();
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains(u"保存できません"));
        note->clear();
        t.key(Qt::Key_Space);
        t.stop();
        QVERIFY(note->text().isEmpty());
        QCOMPARE(statisticsCell(t, 7, 0), QStringLiteral("2"));
    }

    // A lean of the last presses one way is said in a line, which a screen reader hears.
    void biasHintAppears()
    {
        TimingFixture t;
        for (int press = 0; press < 20; ++press) {
            QVERIFY(t.text("hint").isEmpty());
            t.aimAtLoneTarget();
            t.pressAt(t.idealUs() + 40'000);
            t.key(Qt::Key_Space);
        }
        QCOMPARE(t.text("hint"), QStringLiteral("平均 1.1 コマ遅い: 少し早めに押しましょう"));
        // Said with the stop that brought it, as no reader speaks a label that changes unfocused.
        QCOMPARE(t.child("next")->accessibleDescription(), QStringLiteral("1 コマ遅い (+40 ms)。") + t.text("hint"));
        QAccessibleInterface* hint = QAccessible::queryAccessibleInterface(t.child("hint"));
        QCOMPARE(hint->text(QAccessible::Name), t.text("hint"));
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(TestTimingWindow)
#include "tst_timing_window.moc"
