#include "app/program.h"
#include "core/evaluation/judgement.h"
#include "core/evaluation/legend.h"
#include "core/pairs/pair_words.h"
#include "core/reach_me_patterns.h"
#include "tests/context_menu.h"
#include "tests/driving.h"
#include "tests/heard.h"
#include "ui/look.h"
#include "ui/picture.h"
#include "ui/timer.h"
#include "windows/notice_and_info/form4.h"
#include "windows/pieces/strip_geometry.h"
#include "windows/reach_me_table/reach_me_table_window.h"
#include "windows/reel/riru.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The program past its notice, with the reel window active.
struct Started {
    Program program{[] {}};
    Riru* riru;

    Started()
    {
        click(*program.notice(), "Command1");
        riru = program.reelWindow();
    }

    ReachMeTableWindow* openTable()
    {
        if (!QTest::qWaitForWindowActive(riru))
            return nullptr;
        QTest::keyClick(riru, Qt::Key_F3);
        return program.window<ReachMeTableWindow>();
    }

    QString text(const char* name) const
    {
        if (auto* label = riru->findChild<QLabel*>(name))
            return label->text();
        return riru->findChild<QLineEdit*>(name)->text();
    }

    // Whether the strip picture stands where the reel window shows an
    // upper-row position: at index 22 - position, in whole pixels.
    bool standsAt(const char* image, int position) const
    {
        const double top = std::lround(strip::topOfIndex(reel::kPositions + 1 - position) / 15.0) * 15.0;
        return riru->findChild<ui::Picture*>(image)->top() == top;
    }
};

int tablesOpen()
{
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += top->objectName() == QStringLiteral("ReachMeTable");
    return count;
}

QTableView* gridOf(ReachMeTableWindow* table)
{
    return table->findChild<QTableView*>("grid");
}

void clickCell(ReachMeTableWindow* table, int center, int right)
{
    QTableView* grid = gridOf(table);
    const QRect cell = grid->visualRect(grid->model()->index(center - 1, right - 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QTableView* pairGridOf(ReachMeTableWindow* table)
{
    return table->findChild<QTableView*>("pairGrid");
}

// The pairs' tab, in the order given (0 順押し, 1 はさみ打ち).
QTableView* showPairs(ReachMeTableWindow* table, int order)
{
    table->findChild<QTabWidget*>("views")->setCurrentIndex(1);
    table->findChild<QComboBox*>("pairOrder")->setCurrentIndex(order);
    return pairGridOf(table);
}

QString status(ReachMeTableWindow* table)
{
    return table->findChild<QLabel*>("status")->text();
}

}  // namespace

// The table beside the reel window: opened by F3 or the context menu, and a
// cell that puts its pattern on the reels while they stand.
class TestReachMeTableWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void keyAndMenuOpenOneWindow()
    {
        Started started;
        ReachMeTableWindow* table = started.openTable();
        QVERIFY(table && table->isVisible());
        QCOMPARE(table->windowTitle(), QStringLiteral("リーチ目表"));
        QCOMPARE(table->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
        QVERIFY(table->isWindow() && !table->isModal());

        table->close();
        QVERIFY(!table->isVisible());
        QCOMPARE(started.openTable(), table);
        QVERIFY(table->isVisible());
        QTest::keyClick(started.riru, Qt::Key_F3);

        // A right click anywhere, here on the commentary label, offers the entry.
        table->close();
        const QStringList offered =
            rightClickAndChoose(started.riru->findChild<QLabel*>("lbyakumei"), QStringLiteral("リーチ目表 (F3)"));
        QVERIFY2(offered.contains(QStringLiteral("リーチ目表 (F3)")), qPrintable(offered.join(',')));
        QVERIFY(table->isVisible());
        QCOMPARE(started.program.window<ReachMeTableWindow>(), table);
        QCOMPARE(tablesOpen(), 1);
        // The reel window plays on beside it.
        click(*started.riru, "autostart");
        QVERIFY(started.riru->game().mode() == Game::Mode::AutoPlaying);
    }

    // A 1280 x 720 laptop screen with a panel holds the window, buttons and
    // all; the grid scrolls to every cell; the corner names the axes.
    void fitsASmallScreen()
    {
        Started started;
        ReachMeTableWindow* table = started.openTable();
        const QSize smallest = table->minimumSizeHint().expandedTo(table->minimumSize());
        QVERIFY2(smallest.width() <= 1200 && smallest.height() <= 680,
                 qPrintable(QStringLiteral("%1 x %2").arg(smallest.width()).arg(smallest.height())));
        table->resize(smallest);
        QApplication::processEvents();
        for (const char* button : {"exportPdf", "exportCsv", "exportPng", "exportPairsCsv"}) {
            auto* shown = table->findChild<QWidget*>(QString::fromLatin1(button));
            QVERIFY2(shown && table->rect().contains(QRect(shown->mapTo(table, QPoint(0, 0)), shown->size())), button);
        }
        QTableView* grid = gridOf(table);
        const QModelIndex last = grid->model()->index(20, 20);
        grid->scrollTo(last);
        QVERIFY(grid->viewport()->rect().contains(grid->visualRect(last)));

        auto* corner = grid->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(corner);
        QVERIFY(corner->accessibleName().contains(QStringLiteral("右リール →")));
        QVERIFY(corner->accessibleName().contains(QStringLiteral("中リール ↓")));
    }

    void leftPositionWrapsAndShowsItsCounts()
    {
        Started started;
        ReachMeTableWindow* table = started.openTable();
        QVERIFY(table);
        auto* left = table->findChild<QSpinBox*>("leftPosition");
        QCOMPARE(left->value(), 7);
        QCOMPARE(table->findChild<QLabel*>("title")->text(), QStringLiteral("左リール 7"));
        left->setValue(21);
        left->stepBy(1);
        QCOMPARE(left->value(), 1);
        QCOMPARE(table->leftPosition(), 1);
        QCOMPARE(table->findChild<QLabel*>("title")->text(), QStringLiteral("左リール 1"));
        const auto counts = patterns::groupCounts(1);
        for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group) {
            const QString name = QStringLiteral("count_") + QLatin1String(kOutcomeGroups[group].key.data());
            QCOMPARE(table->findChild<QLabel*>(name)->text(), QString::number(counts[group]));
        }
        QCOMPARE(gridOf(table)->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("７７７\n思う存分\nはずして下さい。\nた～まや～！!"));
    }

    void aCellPutsItsPatternOnStandingReels_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("center");
        QTest::addColumn<int>("right");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("click, left 7") << 7 << 3 << 6 << false;
        QTest::newRow("click, left 1 with the cheer") << 1 << 1 << 1 << false;
        QTest::newRow("Enter, left 15 on the grid of 4") << 15 << 21 << 12 << true;
        QTest::newRow("click, the reels' own pattern") << 1 << 1 << 1 << false;
    }

    void aCellPutsItsPatternOnStandingReels()
    {
        QFETCH(int, left);
        QFETCH(int, center);
        QFETCH(int, right);
        QFETCH(bool, byEnter);
        Started started;
        ReachMeTableWindow* table = started.openTable();
        QVERIFY(table);
        table->findChild<QSpinBox*>("leftPosition")->setValue(left);
        if (byEnter) {
            QTableView* grid = gridOf(table);
            grid->setCurrentIndex(grid->model()->index(center - 1, right - 1));
            QVERIFY(QTest::qWaitForWindowActive(table));
            QTest::keyClick(grid, Qt::Key_Return);
        } else {
            clickCell(table, center, right);
        }

        const QString readOut = QStringLiteral("%1-%2-%3").arg(left).arg(center).arg(right);
        const Outcome& outcome = outcomeOf(outcomeCodeOf({left, center, right}));
        QCOMPARE(started.text("Text2"), readOut);
        QCOMPARE(started.text("lbyakumei"), QString::fromStdU16String(outcome.commentary));
        QCOMPARE(started.text("lbtamaya"), outcome.cheers ? QStringLiteral("た～まや～！!") : QString());
        QVERIFY(started.standsAt("Image1", left));
        QVERIFY(started.standsAt("Image2", center));
        QVERIFY(started.standsAt("Image3", right));
        QVERIFY2(status(table).contains(readOut), qPrintable(status(table)));
        // A screen reader says the status where the keyboard stays.
        QVERIFY2(heardIn(table).contains(status(table)), qPrintable(heardIn(table)));

        // Placed again where the reels already stand, it is judged afresh.
        started.riru->findChild<QLabel*>("lbyakumei")->clear();
        clickCell(table, center, right);
        QCOMPARE(started.text("lbyakumei"), QString::fromStdU16String(outcome.commentary));
        QCOMPARE(started.text("Text2"), readOut);
    }

    // Each cell of the pairs' grid shows its verdict, says what the third
    // reel can still bring, and the legend counts the order's verdicts.
    void pairCellsShowTheirVerdict_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QStringList>("tip");
        QTest::newRow("順押し 9-13, named 左、中の２確目") << 0 << 9 << 13 << "Ｂ"
            << QStringList{"9-13-?　順押し", "ＢＩＧ確定", "右リールで出るのは ＢＩＧ"};
        QTest::newRow("順押し 7-11, nothing stands") << 0 << 7 << 11 << "×"
            << QStringList{"7-11-?　順押し", "止まらない", "右リールのどこにも止まりません"};
        QTest::newRow("はさみ打ち 13-6, named 左、右の２確目") << 1 << 13 << 6 << "ボ"
            << QStringList{"13-?-6　はさみ打ち", "ボーナス確定", "中リールで出るのは ＢＩＧ、Ｂ＆Ｒ共通"};
        QTest::newRow("はさみ打ち 5-10, still open") << 1 << 5 << 10 << "・"
            << QStringList{"5-?-10　はさみ打ち", "まだ分からない", "中リールで出るのは ＲＥＧ、はずれ"};
    }

    void pairCellsShowTheirVerdict()
    {
        QFETCH(int, order);
        QFETCH(int, left);
        QFETCH(int, second);
        QFETCH(QString, mark);
        QFETCH(QStringList, tip);
        Started started;
        ReachMeTableWindow* table = started.openTable();
        QVERIFY(table);
        QTableView* grid = showPairs(table, order);
        QVERIFY(grid->isVisible() && !gridOf(table)->isVisible());
        const QModelIndex cell = grid->model()->index(left - 1, second - 1);
        QCOMPARE(cell.data(Qt::DisplayRole).toString(), mark);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), tip.join('\n'));
        const StopOrder stopOrder = kStopOrders[std::size_t(order)];
        const PairVerdict verdict = readPair(stopOrder, {left, second}).verdict;
        QCOMPARE(cell.data(PairTableModel::kVerdictRole).toInt(), verdictIndexOf(verdict));
        // White while the bonus is open; the certain verdicts stand out.
        QCOMPARE(cell.data(Qt::BackgroundRole).value<QBrush>().color() == QColor(Qt::white), verdict == PairVerdict::Open);
        // The column headers are the second reel's, the corner says so.
        const QString secondReel = order == 0 ? QStringLiteral("中リール") : QStringLiteral("右リール");
        QCOMPARE(grid->model()->headerData(second - 1, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 secondReel + QStringLiteral(" %1").arg(second));
        QCOMPARE(grid->model()->headerData(left - 1, Qt::Vertical, Qt::ToolTipRole).toString(),
                 QStringLiteral("左リール %1").arg(left));
        auto* corner = grid->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(corner->accessibleName(), secondReel + QStringLiteral(" →、左リール ↓"));
        const auto counts = verdictCounts(stopOrder);
        for (PairVerdict each : kPairVerdicts) {
            const QString name = QStringLiteral("pairCount_") + QString::fromLatin1(verdictKey(each).data()).toLower();
            QCOMPARE(table->findChild<QLabel*>(name)->text(), QString::number(counts[std::size_t(verdictIndexOf(each))]));
        }
    }

    // A pair's cell, clicked or by Enter, stands its two reels where it
    // says and leaves the third where it stood; the reel window explains the
    // pattern they make.
    void aPairCellPutsItsTwoReelsOnTheReels_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("順押し, click") << 0 << false;
        QTest::newRow("はさみ打ち, Enter") << 1 << true;
    }

    void aPairCellPutsItsTwoReelsOnTheReels()
    {
        QFETCH(int, order);
        QFETCH(bool, byEnter);
        Started started;
        ReachMeTableWindow* table = started.openTable();
        QVERIFY(table);
        QCOMPARE(started.riru->game().place({3, 8, 17}), Game::Placing::Placed);
        QTableView* grid = showPairs(table, order);
        const StoppedPair pair{9, 13};
        const QModelIndex cell = grid->model()->index(pair.left - 1, pair.second - 1);
        if (byEnter) {
            grid->setCurrentIndex(cell);
            QVERIFY(QTest::qWaitForWindowActive(table));
            QTest::keyClick(grid, Qt::Key_Return);
        } else {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        }
        const Pattern placed = order == 0 ? Pattern{9, 13, 17} : Pattern{9, 8, 13};
        QVERIFY(started.standsAt("Image1", placed.left));
        QVERIFY(started.standsAt("Image2", placed.center));
        QVERIFY(started.standsAt("Image3", placed.right));
        QCOMPARE(started.text("Text2"), QString::fromStdString(readOutOf(placed)));
        QCOMPARE(started.text("lbyakumei"), QString::fromStdU16String(outcomeOf(outcomeCodeOf(placed)).commentary));
        const QString readOut = QString::fromStdString(readOutOf(kStopOrders[std::size_t(order)], pair));
        QVERIFY2(status(table).contains(readOut), qPrintable(status(table)));
    }

    void nothingChangesWhileReelsMove_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("reason");
        QTest::newRow("spinning") << "spinning" << QStringLiteral("回っている");
        QTest::newRow("one reel stopped") << "one stopped" << QStringLiteral("回っている");
        QTest::newRow("auto playing") << "auto" << QStringLiteral("オート");
    }

    void nothingChangesWhileReelsMove()
    {
        QFETCH(QString, state);
        QFETCH(QString, reason);
        Started started;
        ReachMeTableWindow* table = started.openTable();
        QVERIFY(table);
        Riru& riru = *started.riru;
        click(riru, "r2sita");
        state == QStringLiteral("auto") ? click(riru, "autostart") : click(riru, "cmstart");
        tick(riru, "Timer1");
        if (state == QStringLiteral("one stopped"))
            click(riru, "r1stop");
        const auto before = std::make_tuple(riru.game().reel(reel::Left).koma, riru.game().reel(reel::Center).koma, riru.game().reel(reel::Right).koma, started.text("Text2"),
                                            started.text("lbyakumei"), started.text("lbtamaya"));
        const bool spinning = riru.game().reel(reel::Center).running;

        clickCell(table, 5, 9);
        QVERIFY2(status(table).contains(reason), qPrintable(status(table)));
        QTableView* pairs = showPairs(table, 0);
        QTest::mouseClick(pairs->viewport(), Qt::LeftButton, {}, pairs->visualRect(pairs->model()->index(8, 12)).center());
        QCOMPARE(std::make_tuple(riru.game().reel(reel::Left).koma, riru.game().reel(reel::Center).koma, riru.game().reel(reel::Right).koma, started.text("Text2"), started.text("lbyakumei"),
                                 started.text("lbtamaya")),
                 before);
        QCOMPARE(riru.game().reel(reel::Center).running, spinning);
        QVERIFY2(status(table).contains(reason), qPrintable(status(table)));
    }
};

QTEST_MAIN(TestReachMeTableWindow)
#include "tst_reach_me_table_window.moc"
