// The keyboard's stop buttons on the reel window: Z, X, C and ←, ↓, →.
#include "reel_window_fixture.h"

#include "ui/look.h"

#include <QApplication>

namespace {

const std::set<std::string> kAllReels = {"Timer1", "Timer2", "Timer3"};

QWidget* focus()
{
    return QApplication::focusWidget();
}

// A reel window opened and active, its reels spinning by hand.
struct SpinningWindow : ReelWindowFixture {
    bool spin()
    {
        riru->open();
        if (!QTest::qWaitForWindowActive(riru.get()))
            return false;
        click(*riru, "cmstart");
        return timersOn() == kAllReels;
    }
};

}  // namespace

class TestStopKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void keyStopsItsReel_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("timer");
        QTest::newRow("Z") << int(Qt::Key_Z) << "r1stop" << "Timer1";
        QTest::newRow("X") << int(Qt::Key_X) << "r2stop" << "Timer2";
        QTest::newRow("C") << int(Qt::Key_C) << "r3stop" << "Timer3";
        QTest::newRow("left") << int(Qt::Key_Left) << "r1stop" << "Timer1";
        QTest::newRow("down") << int(Qt::Key_Down) << "r2stop" << "Timer2";
        QTest::newRow("right") << int(Qt::Key_Right) << "r3stop" << "Timer3";
    }

    // As a click on the stop button: that reel alone stops, and the focus
    // stays on the first stop button, or in its place once it is disabled.
    void keyStopsItsReel()
    {
        QFETCH(int, key);
        QFETCH(QString, stop);
        QFETCH(QString, timer);
        SpinningWindow window;
        QVERIFY(window.spin());
        QCOMPARE(focus(), window.button("r1stop"));

        QTest::keyClick(focus(), Qt::Key(key));
        QVERIFY(!window.button(qPrintable(stop))->isEnabled());
        std::set<std::string> running = kAllReels;
        running.erase(timer.toStdString());
        QCOMPARE(window.timersOn(), running);
        QCOMPARE(focus(), stop == QLatin1String("r1stop") ? static_cast<QWidget*>(window.riru.get())
                                                          : window.button("r1stop"));
    }

    // The third key stop judges the pattern, as the third click does.
    void threeKeysPlayAGame()
    {
        SpinningWindow window;
        QVERIFY(window.spin());
        for (Qt::Key key : {Qt::Key_C, Qt::Key_Z, Qt::Key_Down})
            QTest::keyClick(focus(), key);
        QVERIFY(window.isStanding());
        QCOMPARE(window.readOut().count(u'-'), 2);
    }

    // With its stop button disabled a key does what it did without stop keys:
    // an arrow moves the focus along the tab order, a letter nothing.
    void keysOfDisabledStopButtons()
    {
        SpinningWindow window;
        QVERIFY(window.spin());
        QTest::keyClick(focus(), Qt::Key_C);
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer1", "Timer2"}));
        QTest::keyClick(focus(), Qt::Key_C);
        QTest::keyClick(focus(), Qt::Key_Right);
        QCOMPARE(focus(), window.button("r2stop"));
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer1", "Timer2"}));
        QTest::keyClick(focus(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer1", "Timer2"}));

        click(*window.riru, "r1stop");
        click(*window.riru, "r2stop");
        QVERIFY(window.isStanding());
        const QString readOut = window.readOut();
        window.button("cmstart")->setFocus();
        for (Qt::Key key : {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right})
            QTest::keyClick(focus(), key);
        QVERIFY(window.isStanding());
        QCOMPARE(window.readOut(), readOut);
        QCOMPARE(focus(), window.button("cmstart"));  // the only control TAB reaches

        click(*window.riru, "autostart");
        for (Qt::Key key : {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right})
            QTest::keyClick(focus(), key);
        QCOMPARE(window.enabledButtons(), kAutoPlaying);
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer1", "Timer2", "Timer3", "Timer4"}));
    }

    void textBoxGetsEveryKey_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("step interval") << "Text1";
        QTest::newRow("stop time") << "Text3";
    }

    void textBoxGetsEveryKey()
    {
        QFETCH(QString, box);
        SpinningWindow window;
        QVERIFY(window.spin());
        QLineEdit* typed = window.box(qPrintable(box));
        QTest::mouseClick(typed, Qt::LeftButton);
        QCOMPARE(focus(), typed);
        typed->setText(QStringLiteral("12"));
        QTest::keyClicks(typed, QStringLiteral("zxc"));
        QTest::keyClick(typed, Qt::Key_Left);
        QTest::keyClick(typed, Qt::Key_Down);
        QTest::keyClick(typed, Qt::Key_Right);
        QTest::keyClicks(typed, QStringLiteral("Z"));
        QCOMPARE(typed->text(), QStringLiteral("12zxcZ"));
        QCOMPARE(window.timersOn(), kAllReels);
        QCOMPARE(focus(), typed);
    }
};

QTEST_MAIN(TestStopKeys)
#include "tst_stop_keys.moc"
