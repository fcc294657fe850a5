#include "reel_window_fixture.h"

#include "ui/look.h"
#include "ui/picture.h"
#include "windows/pieces/strip_geometry.h"

namespace {

const QString kCheerText = QStringLiteral("た～まや～！!");
const std::set<std::string> kAllStops = {"r1stop", "r2stop", "r3stop", "Cmkaisetu", "Cmsousa"};

}  // namespace

// The reel window's game, driven handler by handler with deterministic ticks.
class TestGame : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void comesUpStandingAtOneOneOne()
    {
        ReelWindowFixture window;
        QVERIFY(window.isStanding());
        QCOMPARE(window.readOut(), QStringLiteral("Text2"));
        QCOMPARE(window.caption("lbyakumei"), QStringLiteral("ＢＩＧじゃ～！！"));
        QCOMPARE(window.caption("lbtamaya"), QStringLiteral("たまや"));
        QCOMPARE(window.box("Text1")->text(), QStringLiteral("100"));
        QCOMPARE(window.box("Text3")->text(), QStringLiteral("1200"));
        for (const char* image : {"Image1", "Image2", "Image3"})
            QCOMPARE(window.riru->findChild<ui::Picture*>(image)->top(), double(strip::kDesignTop));
        // A step up and back judges the pattern the strips stand at.
        click(*window.riru, "r1ue");
        click(*window.riru, "r1sita");
        QCOMPARE(window.readOut(), QStringLiteral("1-1-1"));
    }

    void spinAndStopInAnyOrder()
    {
        ReelWindowFixture window;
        window.box("Text1")->setText(QStringLiteral("250"));
        Riru& riru = *window.riru;
        click(riru, "cmstart");
        QCOMPARE(int(riru.game().timint()), 250);
        QCOMPARE(window.box("Text1")->text(), QStringLiteral("250"));
        for (ui::Timer* timer : {timerOf(riru, "Timer1"), timerOf(riru, "Timer2"), timerOf(riru, "Timer3")})
            QCOMPARE(timer->interval(), 250);
        QCOMPARE(window.enabledButtons(), kAllStops);
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer1", "Timer2", "Timer3"}));
        QVERIFY(window.caption("lbyakumei").isEmpty());
        QVERIFY(window.caption("lbtamaya").isEmpty());
        QCOMPARE(window.readOut(), QStringLiteral("Text2"));  // no move until the first tick

        // Left to index 21 (position 1), center to 5 (17), right to 12 (10).
        for (int n = 0; n < 21; ++n)
            tick(riru, "Timer1");
        for (int n = 0; n < 5; ++n)
            tick(riru, "Timer2");
        for (int n = 0; n < 12; ++n)
            tick(riru, "Timer3");
        QCOMPARE(int(riru.game().reel(reel::Left).koma), 0);  // index 21 is kept as 0

        click(riru, "r3stop");
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer1", "Timer2"}));
        click(riru, "r1stop");
        QVERIFY(window.caption("lbyakumei").isEmpty());
        QCOMPARE(window.enabledButtons(), (std::set<std::string>{"r2stop", "Cmkaisetu", "Cmsousa"}));
        QCOMPARE(window.timersOn(), std::set<std::string>{"Timer2"});
        click(riru, "r2stop");
        QCOMPARE(window.readOut(), QStringLiteral("1-17-10"));
        QVERIFY(window.isStanding());
        QCOMPARE(window.caption("lbyakumei"), QString::fromStdU16String(std::u16string(riru.game().judgement().yakumei)));
        QVERIFY(!window.caption("lbyakumei").isEmpty());
    }

    // A tick puts the strip where the game stands the reel, in whole pixels.
    void reelTickMovesItsStrip()
    {
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        auto* image = riru.findChild<ui::Picture*>("Image1");
        click(riru, "cmstart");
        tick(riru, "Timer1");
        tick(riru, "Timer1");
        QCOMPARE(image->top(), double(std::lround(strip::topOfIndex(2) / 15.0) * 15));
    }

    void stepInterval_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("timint");
        QTest::addColumn<QString>("boxAfter");
        QTest::newRow("empty") << "" << 100 << "100";
        QTest::newRow("0") << "0" << 100 << "100";
        QTest::newRow("0.4") << "0.4" << 100 << "100";
        QTest::newRow("2.5") << "2.5" << 2 << "2.5";
        QTest::newRow("full-width") << QString::fromUtf16(u"３５") << 35 << QString::fromUtf16(u"３５");
    }

    void stepInterval()
    {
        QFETCH(QString, text);
        QFETCH(int, timint);
        QFETCH(QString, boxAfter);
        ReelWindowFixture window;
        window.box("Text1")->setText(text);
        click(*window.riru, "cmstart");
        QCOMPARE(int(window.riru->game().timint()), timint);
        QCOMPARE(timerOf(*window.riru, "Timer1")->interval(), timint);
        QCOMPARE(window.box("Text1")->text(), boxAfter);
    }

    void badSpeedRefusesTheStart()
    {
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        click(riru, "cmstart");
        click(riru, "r1stop");
        click(riru, "r2stop");
        click(riru, "r3stop");
        const QString commentary = window.caption("lbyakumei");
        for (const char* text : {"abc", "-1", "32768", "250ms"}) {
            window.box("Text1")->setText(QString::fromUtf8(text));
            click(riru, "cmstart");
            QVERIFY2(window.closeRefusal(), text);
            QVERIFY(window.isStanding());
            QCOMPARE(int(riru.game().timint()), 100);
            QCOMPARE(window.box("Text1")->text(), QString::fromUtf8(text));
            QCOMPARE(window.caption("lbyakumei"), commentary);
        }
    }

    void stepShowsTheNewPatternsTexts()
    {
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        click(riru, "r3ue");
        click(riru, "r3sita");  // back to 1-1-1: the sevens, with the cheer
        QCOMPARE(window.caption("lbtamaya"), kCheerText);
        QVERIFY(window.caption("lbyakumei").startsWith(QStringLiteral("７７７")));
        click(riru, "r3ue");  // 1-1-2: cherry, no cheer
        QCOMPARE(window.caption("lbyakumei"), QStringLiteral("チェリー"));
        QVERIFY(window.caption("lbtamaya").isEmpty());
    }

    void autoPlayFollowsItsTimeline()
    {
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        click(riru, "r3ue");  // a result on screen before auto play
        click(riru, "autostart");
        QCOMPARE(window.enabledButtons(), kAutoPlaying);
        QCOMPARE(timerOf(riru, "Timer4")->interval(), 1200);
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer1", "Timer2", "Timer3", "Timer4"}));
        QCOMPARE(window.caption("lbyakumei"), QStringLiteral("チェリー"));

        const QList<std::set<std::string>> running = {
            {"Timer2", "Timer3", "Timer4"}, {"Timer3", "Timer4"}, {"Timer4"}, {"Timer4"},
            {"Timer1", "Timer2", "Timer3", "Timer4"}, {"Timer1", "Timer2", "Timer3", "Timer4"},
        };
        for (int cycle = 0; cycle < 2; ++cycle) {
            for (int step = 0; step < 6; ++step) {
                for (int n = 0; n < 3 + step; ++n) {  // reels move between auto ticks
                    tick(riru, "Timer1");
                    tick(riru, "Timer2");
                    tick(riru, "Timer3");
                }
                tick(riru, "Timer4");
                QCOMPARE(window.timersOn(), running[step]);
                // The first cycle keeps the earlier result until its own replaces it.
                const bool resultShown = step == 2 || step == 3 || (cycle == 0 && step < 2);
                QCOMPARE(!window.caption("lbyakumei").isEmpty(), resultShown);
                if (step == 2)
                    QCOMPARE(window.caption("lbyakumei"), QString::fromStdU16String(std::u16string(riru.game().judgement().yakumei)));
            }
        }
        QCOMPARE(window.enabledButtons(), kAutoPlaying);
    }

    void autoStopInMidCycle_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("resultStays");
        QTest::newRow("between 3T and 5T") << 4 << true;
        QTest::newRow("between 5T and 9T") << 5 << false;
        QTest::newRow("left stop of the second cycle") << 7 << false;
        QTest::newRow("first left stop keeps the earlier texts") << 1 << true;
    }

    void autoStopInMidCycle()
    {
        QFETCH(int, ticks);
        QFETCH(bool, resultStays);
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        click(riru, "autostart");
        for (int n = 0; n < ticks; ++n) {
            tick(riru, "Timer1");
            tick(riru, "Timer4");
        }
        const QString readOut = window.readOut();
        click(riru, "autostop");
        QVERIFY(window.isStanding());
        QCOMPARE(window.readOut(), readOut);
        QCOMPARE(!window.caption("lbyakumei").isEmpty(), resultStays);

        // The next run begins its cycle afresh: its first tick stops the left reel.
        click(riru, "autostart");
        tick(riru, "Timer4");
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer2", "Timer3", "Timer4"}));
        click(riru, "autostop");
        // And a manual spin works as ever.
        click(riru, "cmstart");
        QCOMPARE(window.enabledButtons(), kAllStops);
    }

    void stopTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("boxAfter");
        QTest::newRow("0") << "0" << 950 << "950";
        QTest::newRow("empty") << "" << 900 << "900";
        QTest::newRow("1200") << "1200" << 1200 << "1200";
        QTest::newRow("00 never ticks") << "00" << 0 << "00";
    }

    void stopTime()
    {
        QFETCH(QString, text);
        QFETCH(int, interval);
        QFETCH(QString, boxAfter);
        ReelWindowFixture window;
        window.box("Text3")->setText(text);
        click(*window.riru, "autostart");
        QCOMPARE(timerOf(*window.riru, "Timer4")->interval(), interval);
        QCOMPARE(window.box("Text3")->text(), boxAfter);
    }

    void stopTimeZeroNeverStopsAReel()
    {
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        window.box("Text1")->setText(QStringLiteral("5"));
        window.box("Text3")->setText(QStringLiteral("00"));
        click(riru, "autostart");
        const QString before = window.readOut();
        QTest::qWait(100);
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer1", "Timer2", "Timer3", "Timer4"}));  // none stopped
        QVERIFY(riru.game().reel(reel::Left).koma != 0 || riru.game().reel(reel::Center).koma != 0);  // the reels really spin
        QCOMPARE(window.readOut(), before);
        click(riru, "autostop");
        QVERIFY(window.isStanding());
    }

    // Every timer, as it really ticks, drives its own handler.
    void timersDriveTheirHandlers()
    {
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        window.box("Text1")->setText(QStringLiteral("1"));
        window.box("Text3")->setText(QStringLiteral("20"));
        int readOuts = 0;
        QObject::connect(window.box("Text2"), &QLineEdit::textChanged, [&] { ++readOuts; });
        click(riru, "autostart");
        QTRY_VERIFY_WITH_TIMEOUT(readOuts >= 2, 5000);  // auto play's third and fourth ticks
        QVERIFY(window.readOut().count('-') == 2);
        click(riru, "autostop");
        click(riru, "cmstart");
        QTRY_VERIFY(riru.game().reel(reel::Left).koma != 0 && riru.game().reel(reel::Center).koma != 0 &&
                    riru.game().reel(reel::Right).koma != 0);
    }

    void badBoxRefusesAutoPlayAndStaysStanding_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("stopTime");
        QTest::newRow("bad speed") << "x" << "1200";
        QTest::newRow("bad stop time") << "" << "-5";
        QTest::newRow("both bad") << "99999" << "abc";
    }

    void badBoxRefusesAutoPlayAndStaysStanding()
    {
        QFETCH(QString, speed);
        QFETCH(QString, stopTime);
        ReelWindowFixture window;
        window.box("Text1")->setText(speed);
        window.box("Text3")->setText(stopTime);
        click(*window.riru, "autostart");
        QVERIFY(window.closeRefusal());
        QVERIFY(window.isStanding());
        QCOMPARE(window.box("Text1")->text(), speed);  // not even the empty box is filled in
        QCOMPARE(window.box("Text3")->text(), stopTime);
    }

    void switchedOffTimerNeverTicksAgain()
    {
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        window.box("Text1")->setText(QStringLiteral("1"));
        click(riru, "cmstart");
        QTest::qWait(30);
        click(riru, "r1stop");
        const std::int16_t stoodAt = riru.game().reel(reel::Left).koma;
        QVERIFY(riru.game().reel(reel::Center).koma != 0 || riru.game().reel(reel::Right).koma != 0);
        QTest::qWait(30);
        QCOMPARE(riru.game().reel(reel::Left).koma, stoodAt);
        click(riru, "r2stop");
        click(riru, "r3stop");
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
