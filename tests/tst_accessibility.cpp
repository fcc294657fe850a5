#include "app/program.h"
#include "tests/driving.h"
#include "ui/look.h"
#include "windows/drill/drill_window.h"
#include "windows/notice_and_info/form4.h"
#include "windows/play/play_window.h"
#include "windows/reach_me_table/reach_me_table_window.h"
#include "windows/reel/riru.h"
#include "windows/setting_estimate/setting_estimate_window.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString said(QObject* object, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what) : QString();
}

// Every enabled control that takes Tab in the window is reached by Tab from
// the first, and Tab leaves each of them.
void walkTheTabChain(QWidget* window)
{
    QVERIFY(QTest::qWaitForWindowActive(window));
    QSet<QWidget*> reached;
    for (int step = 0; step < 200 && QApplication::focusWidget(); ++step) {
        QWidget* at = QApplication::focusWidget();
        reached.insert(at);
        QTest::keyClick(at, Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() != at || reached.size() == 1,
                 qPrintable(at->objectName() + QStringLiteral(" keeps the focus on Tab")));
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)
            && control->focusProxy() == nullptr)
            QVERIFY2(reached.contains(control), qPrintable(control->objectName() + QStringLiteral(" is not reached by Tab")));
    }
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::useClassicLook();
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }

    void reelWindowControlsAreToldApart()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        QCOMPARE(said(riru, QAccessible::Name), QStringLiteral("カレト職人養成マシーン"));
        QSet<QString> names;
        for (const char* kind : {"stop", "ue", "sita"})
            for (int reel = 1; reel <= 3; ++reel)
                names.insert(said(riru->findChild<QWidget*>(QStringLiteral("r%1%2").arg(reel).arg(kind)), QAccessible::Name));
        QCOMPARE(names.size(), 9);
        QVERIFY(names.contains(QStringLiteral("左リール 停止")));
        QVERIFY(names.contains(QStringLiteral("右リール 一コマ下へ")));
        QCOMPARE(said(riru->findChild<QWidget*>("Text1"), QAccessible::Name), QStringLiteral("リール１コマのスピード"));
        QCOMPARE(said(riru->findChild<QWidget*>("Text3"), QAccessible::Name), QStringLiteral("Ａutoの停止までの時間"));
    }

    // A step judges a new pattern: the commentary is read by its new text,
    // and the reels and the read-out say their symbols. (The events that
    // announce a change reach no handler on the offscreen platform, which has
    // no accessibility bridge.)
    void aNewPatternIsAnnounced()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        QTest::mouseClick(riru->findChild<QPushButton*>("r1ue"), Qt::LeftButton);
        const auto* readOut = riru->findChild<QLineEdit*>("Text2");
        QCOMPARE(said(riru->findChild<QLabel*>("lbyakumei"), QAccessible::Name),
                 riru->findChild<QLabel*>("lbyakumei")->text());
        QVERIFY(!readOut->text().isEmpty());
        const QString left = said(riru->findChild<QWidget*>("Image1"), QAccessible::Description);
        QVERIFY2(left.startsWith(QStringLiteral("上段: ")) && left.contains(QStringLiteral("下段: ")), qPrintable(left));
        QVERIFY(readOut->accessibleDescription().count(u'・') == 6);
    }

    void theDrillIsReadAloud()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        QVERIFY(QTest::qWaitForWindowActive(program.reelWindow()));
        QTest::keyClick(program.reelWindow(), Qt::Key_F2);
        DrillWindow* drill = program.window<DrillWindow>();
        QVERIFY(QTest::qWaitForWindowActive(drill));
        auto* first = drill->findChild<QPushButton*>("answer_big");
        QCOMPARE(QApplication::focusWidget(), first);
        const QString pattern = said(drill->findChild<QWidget*>("pattern"), QAccessible::Description);
        QVERIFY2(pattern.startsWith(QStringLiteral("上段: ")), qPrintable(pattern));

        QTest::keyClick(first, Qt::Key_Return);
        auto* verdict = drill->findChild<QLabel*>("verdict");
        QVERIFY2(verdict->text().contains(QStringLiteral("正解")), qPrintable(verdict->text()));
        QCOMPARE(said(verdict, QAccessible::Name), verdict->text());
        auto* score = drill->findChild<QLabel*>("score");
        QCOMPARE(said(score, QAccessible::Name), score->text());
    }

    // Every choice box of the windows beside the reel window is read with its
    // value, and the keys that would change it unheard open its list instead.
    void choicesAreReadWithTheirValue_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("box");
        QTest::newRow("drill's mode") << int(Qt::Key_F2) << QStringLiteral("mode");
        QTest::newRow("drill's left reel") << int(Qt::Key_F2) << QStringLiteral("leftFilter");
        QTest::newRow("timing's reel") << int(Qt::Key_F4) << QStringLiteral("reelChoice");
        QTest::newRow("estimate's prior") << int(Qt::Key_F5) << QStringLiteral("prior");
        QTest::newRow("play's setting") << int(Qt::Key_F6) << QStringLiteral("setting");
    }
    void choicesAreReadWithTheirValue()
    {
        QFETCH(int, key);
        QFETCH(QString, box);
        Program program([] {});
        click(*program.notice(), "Command1");
        QVERIFY(QTest::qWaitForWindowActive(program.reelWindow()));
        QTest::keyClick(program.reelWindow(), Qt::Key(key));
        QComboBox* choice = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->findChild<QComboBox*>(box))
                choice = window->findChild<QComboBox*>(box);
        QVERIFY(choice);
        choice->setCurrentIndex(1);
        QVERIFY2(said(choice, QAccessible::Description).startsWith(choice->currentText()),
                 qPrintable(said(choice, QAccessible::Description)));
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Up);
        QCOMPARE(choice->currentIndex(), 1);
        QVERIFY(choice->view()->isVisible());
        choice->hidePopup();
    }

    void tabReachesEveryControlOfTheNewWindows()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        QVERIFY(QTest::qWaitForWindowActive(program.reelWindow()));
        QTest::keyClick(program.reelWindow(), Qt::Key_F3);
        ReachMeTableWindow* table = program.window<ReachMeTableWindow>();
        auto* grid = table->findChild<QTableView*>("grid");
        QVERIFY(QTest::qWaitForWindowActive(table));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() != grid, "Tab stays in the grid");
        walkTheTabChain(table);
        QVERIFY(grid->model()->headerData(4, Qt::Horizontal, Qt::AccessibleTextRole).toString().contains(QStringLiteral("上段: ")));
        table->close();

        QTest::keyClick(program.reelWindow(), Qt::Key_F5);
        walkTheTabChain(program.window<SettingEstimateWindow>());
        program.window<SettingEstimateWindow>()->close();
        QTest::keyClick(program.reelWindow(), Qt::Key_F6);
        walkTheTabChain(program.window<PlayWindow>());
        program.window<PlayWindow>()->close();
        QTest::keyClick(program.reelWindow(), Qt::Key_F2);
        walkTheTabChain(program.window<DrillWindow>());
    }

    void theGuidesPicturesOfButtonsTakeNoFocus()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        QTest::mouseClick(program.reelWindow()->findChild<QPushButton*>("Cmsousa"), Qt::LeftButton);
        QWidget* guide = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("Fsousa"))
                guide = top;
        QVERIFY(guide);
        for (QPushButton* button : guide->findChildren<QPushButton*>())
            QCOMPARE(button->focusPolicy() == Qt::NoFocus, button->objectName() != QLatin1String("Command1"));
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
