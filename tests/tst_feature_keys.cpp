#include "app/program.h"
#include "tests/driving.h"
#include "ui/look.h"
#include "windows/drill/drill_window.h"
#include "windows/notice_and_info/form4.h"
#include "windows/play/play_window.h"
#include "windows/reach_me_table/reach_me_table_window.h"
#include "windows/reel/riru.h"
#include "windows/setting_estimate/setting_estimate_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// F1 to F6 open their windows from every window of the program, and Esc
// closes the windows beside the reel window, but never the reel window.
class TestFeatureKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::useClassicLook();
        // The drill keeps its history here, not in the user's folder.
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }

    void everyWindowTakesTheKeys()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        QVERIFY(QTest::qWaitForWindowActive(riru));

        // From the glossary, an information window of the reel window's own.
        QTest::mouseClick(riru->findChild<QWidget*>("Cmkaisetu"), Qt::LeftButton);
        QWidget* glossary = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("Fkaisetu") && top->isVisible())
                glossary = top;
        QVERIFY(glossary);
        QTest::keyClick(glossary, Qt::Key_F5);
        QVERIFY(program.window<SettingEstimateWindow>() && program.window<SettingEstimateWindow>()->isVisible());
        QTest::keyClick(glossary, Qt::Key_Escape);
        QVERIFY2(!glossary->isVisible(), "Esc puts the glossary away as its OK does");

        QTest::keyClick(program.window<SettingEstimateWindow>(), Qt::Key_F2);
        QVERIFY(program.window<DrillWindow>() && program.window<DrillWindow>()->isVisible());
        QTest::keyClick(program.window<DrillWindow>(), Qt::Key_F3);
        QVERIFY(program.window<ReachMeTableWindow>() && program.window<ReachMeTableWindow>()->isVisible());
        QTest::keyClick(program.window<ReachMeTableWindow>(), Qt::Key_F6);
        QVERIFY(program.window<PlayWindow>() && program.window<PlayWindow>()->isVisible());

        for (QWidget* window : std::initializer_list<QWidget*>{program.window<PlayWindow>(), program.window<ReachMeTableWindow>(),
                                                               program.window<DrillWindow>(),
                                                               program.window<SettingEstimateWindow>()}) {
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
        QTest::keyClick(riru, Qt::Key_Escape);
        QVERIFY(riru->isVisible());
    }

    // The help keys bring up the reel window's guide and glossary, as their
    // buttons and the menu's entries do, whichever window has the keyboard.
    void helpKeysOpenTheGuideAndTheGlossary_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("window");
        QTest::newRow("F1") << QKeyCombination(Qt::Key_F1) << QStringLiteral("Fsousa");
        QTest::newRow("Shift+F1") << QKeyCombination(Qt::SHIFT, Qt::Key_F1) << QStringLiteral("Fkaisetu");
    }
    void helpKeysOpenTheGuideAndTheGlossary()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, window);
        Program program([] {});
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        QVERIFY(QTest::qWaitForWindowActive(riru));
        QTest::keyClick(riru, Qt::Key_F5);
        QTest::keyClick(program.window<SettingEstimateWindow>(), key.key(), key.keyboardModifiers());
        QWidget* opened = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == window && top->isVisible())
                opened = top;
        QVERIFY(opened);
        QTest::keyClick(opened, Qt::Key_Escape);
        QVERIFY(!opened->isVisible());
    }

    // While a modal question is open, the keys are its own.
    void aModalDialogKeepsTheKeys()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        QVERIFY(QTest::qWaitForWindowActive(riru));
        bool openedBehind = true;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            QTest::keyClick(modal, Qt::Key_F5);
            openedBehind = program.window<SettingEstimateWindow>() != nullptr;
            modal->close();
        });
        QMessageBox::question(riru, QString(), QStringLiteral("?"));
        QVERIFY(!openedBehind);
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(TestFeatureKeys)
#include "tst_feature_keys.moc"
