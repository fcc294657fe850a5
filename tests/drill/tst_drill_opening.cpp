#include "app/program.h"
#include "tests/driving.h"
#include "ui/look.h"
#include "ui/timer.h"
#include "windows/drill/drill_window.h"
#include "windows/notice_and_info/form4.h"
#include "windows/reel/riru.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The program on its reel window, keeping any progress in a folder of its own.
struct ProgramFixture {
    QTemporaryDir data;
    std::unique_ptr<Program> program;

    ProgramFixture()
    {
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        program = std::make_unique<Program>([] {});
        click(*program->notice(), "Command1");
    }
    ~ProgramFixture() { qunsetenv("XDG_DATA_HOME"); }

    Riru* riru() const { return program->reelWindow(); }
    QWidget* control(const char* name) const { return riru()->findChild<QWidget*>(name); }
    int drills() const
    {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            count += window->objectName() == QStringLiteral("Drill");
        return count;
    }

    // Right-clicks a control through the window system, chooses an entry of
    // the menu that comes up, and returns the entries it offered.
    QStringList rightClick(QWidget* on, const QString& choice)
    {
        auto offered = std::make_shared<QStringList>();
        QTimer::singleShot(0, [offered, choice] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                *offered << action->text();
                if (action->text() == choice)
                    action->trigger();
            }
            menu->close();
        });
        QTest::mouseClick(riru()->windowHandle(), Qt::RightButton, {}, on->mapTo(riru(), on->rect().center()));
        return *offered;
    }
};

}  // namespace

// The reel window opens the drill by F2 and by its context menu, and plays on.
class TestDrillOpening : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void f2OpensOneDrillWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("focus");
        for (const char* name : {"cmstart", "Text1", "Text3", "Text2", "autostart"})
            QTest::newRow(name) << name;
    }

    void f2OpensOneDrillWhereverTheFocusIs()
    {
        QFETCH(QString, focus);
        ProgramFixture fixture;
        QVERIFY(QTest::qWaitForWindowActive(fixture.riru()));
        QWidget* control = fixture.control(qPrintable(focus));
        control->setFocus();
        const QString boxText = qobject_cast<QLineEdit*>(control) ? qobject_cast<QLineEdit*>(control)->text() : QString();
        QVERIFY(!fixture.program->window<DrillWindow>());

        QTest::keyClick(control, Qt::Key_F2);
        DrillWindow* drill = fixture.program->window<DrillWindow>();
        QVERIFY(drill && drill->isVisible());
        if (auto* box = qobject_cast<QLineEdit*>(control))
            QCOMPARE(box->text(), boxText);

        drill->close();  // the close box hides it
        QVERIFY(!drill->isVisible());
        QVERIFY(fixture.riru()->isVisible());
        QTest::keyClick(control, Qt::Key_F2);
        QCOMPARE(fixture.program->window<DrillWindow>(), drill);
        QVERIFY(drill->isVisible());
        QCOMPARE(fixture.drills(), 1);
    }

    // Enter still presses the focused button and TAB keeps its order.
    void reelWindowKeysStay()
    {
        ProgramFixture fixture;
        QVERIFY(QTest::qWaitForWindowActive(fixture.riru()));
        QCOMPARE(QApplication::focusWidget(), fixture.control("cmstart"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(fixture.riru()->game().reel(reel::Left).running);
        QCOMPARE(QApplication::focusWidget(), fixture.control("r1stop"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), fixture.control("r2stop"));
        // The drill opens while the reels spin, and they spin on.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QVERIFY(fixture.program->window<DrillWindow>()->isVisible());
        QVERIFY(fixture.riru()->game().reel(reel::Left).running);
    }

    void rightClickAnywhereOffersTheDrill_data()
    {
        QTest::addColumn<QString>("on");
        QTest::addColumn<bool>("editMenu");
        QTest::newRow("window face") << "riru" << false;
        QTest::newRow("strip") << "Image1" << false;
        QTest::newRow("commentary label") << "lbyakumei" << false;
        QTest::newRow("enabled button") << "cmstart" << false;
        QTest::newRow("disabled separator bar") << "Command5" << false;
        QTest::newRow("disabled stop button") << "r1stop" << false;
        QTest::newRow("step interval box") << "Text1" << true;
    }

    void rightClickAnywhereOffersTheDrill()
    {
        QFETCH(QString, on);
        QFETCH(bool, editMenu);
        ProgramFixture fixture;
        QVERIFY(QTest::qWaitForWindowExposed(fixture.riru()));
        QWidget* target = on == "riru" ? fixture.riru() : fixture.control(qPrintable(on));
        const QStringList entries = {"リーチ目ドリル (F2)", "リーチ目表 (F3)"};
        const QStringList offered = fixture.rightClick(target, entries[0]);
        // The windows' entries, in order, close the menu; a text box keeps its
        // editing entries above them.
        const qsizetype first = offered.indexOf(entries[0]);
        QVERIFY2(first >= 0, qPrintable(offered.join(',')));
        QCOMPARE(offered.mid(first, 2), entries);
        QVERIFY(!offered.last().contains(u'\t'));
        QCOMPARE(first > 0, editMenu);
        QVERIFY(fixture.program->window<DrillWindow>() && fixture.program->window<DrillWindow>()->isVisible());
    }

    void endingTheProgramHidesTheDrill()
    {
        ProgramFixture fixture;
        QVERIFY(QTest::qWaitForWindowActive(fixture.riru()));
        QTest::keyClick(fixture.riru(), Qt::Key_F2);
        QVERIFY(fixture.program->window<DrillWindow>());
        click(*fixture.riru(), "cmend");
        QVERIFY(!fixture.program->window<DrillWindow>()->isVisible());
    }
};

QTEST_MAIN(TestDrillOpening)
#include "tst_drill_opening.moc"
