#include "reel_window_fixture.h"

#include "core/setting_estimate/setting_odds.h"
#include "ui/look.h"
#include "ui/picture.h"

#include <QApplication>
#include <QLabel>
#include <QSet>

#include <cmath>

namespace {

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

}  // namespace

// The reel window as it stands and as the keyboard and mouse meet it.
class TestReelWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    // Only the band between the plates is painted: there, each strip shows its rows.
    void stripsShowBetweenThePlates()
    {
        ReelWindowFixture window;
        const int xs[] = {1560, 3240, 4920};
        for (int reel = 0; reel < 3; ++reel) {
            auto* image = window.riru->findChild<ui::Picture*>(QStringLiteral("Image%1").arg(reel + 1));
            QCOMPARE(image->top(), double(px(-19680) * 15));
            QCOMPARE(image->picture().size(), QSize(100, 1660));
            QCOMPARE(image->geometry(), QRect(px(xs[reel]), px(615), 100, px(4680) - px(615)));
            const QImage shown = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage strip = image->picture().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown, strip.copy(0, px(615) - px(-19680), 100, px(4680) - px(615)));
        }
    }

    // The setting table keeps its texts to the byte, and they say the same
    // odds as the setting estimate reckons with.
    void settingTableShowsTheEstimatesOdds()
    {
        ReelWindowFixture window;
        const char* const rows[] = {"   1    1/297.891    1/420.103", "   2    1/277.695    1/420.103",
                                    "   3    1/264.258    1/420.103", "   4    1/252.062    1/420.103",
                                    "   5    1/244.537    1/390.095", "   6    1/240.941    1/364.089"};
        for (int setting = 1; setting <= 6; ++setting) {
            const QString text = window.riru->findChild<QLabel*>(QStringLiteral("Label7_%1").arg(setting - 1))->text();
            QCOMPARE(text, QString::fromLatin1(rows[setting - 1]));
            const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QCOMPARE(words.size(), 3);
            QCOMPARE(words[0].toInt(), setting);
            QCOMPARE(1.0 / words[1].mid(2).toDouble(), setting_odds::bigChance(setting));
            QCOMPARE(1.0 / words[2].mid(2).toDouble(), setting_odds::regChance(setting));
        }
    }

    // Each column's text stands clear of the ruled lines on either side, on
    // one line, whatever the spaces of the face standing in.
    void settingTableClearsItsLines()
    {
        ReelWindowFixture window;
        const QImage shot = window.riru->grab().toImage().convertToFormat(QImage::Format_RGB32);
        auto xOf = [&](const char* line) { return window.riru->findChild<QWidget*>(line)->x(); };
        const int rules[] = {xOf("Line7"), xOf("Line9"), xOf("Line10"), xOf("Line8")};
        QSet<int> ruledRows;
        for (const char* line : {"Line18", "Line11", "Line12", "Line13", "Line14", "Line15", "Line16", "Line17"})
            ruledRows.insert(window.riru->findChild<QWidget*>(line)->y());

        for (const char* name : {"Label3", "Label7_0", "Label7_1", "Label7_2", "Label7_3", "Label7_4", "Label7_5"}) {
            const QLabel* label = window.riru->findChild<QLabel*>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(), name);
            const QRgb face = label->palette().color(QPalette::Window).rgb();
            auto inkAt = [&](int x) {
                for (int y = label->y(); y < label->y() + label->height(); ++y)
                    if (!ruledRows.contains(y) && shot.pixel(x, y) != face)
                        return true;
                return false;
            };
            for (int rule : {rules[1], rules[2], rules[3]})
                QVERIFY2(!inkAt(rule - 1) && !inkAt(rule + 1), qPrintable(QStringLiteral("%1 touches the line at x = %2").arg(name).arg(rule)));
            for (int column = 0; column < 3; ++column) {
                bool written = false;
                for (int x = rules[column] + 1; x < rules[column + 1]; ++x)
                    written = written || inkAt(x);
                QVERIFY2(written, qPrintable(QStringLiteral("%1 leaves column %2 empty").arg(name).arg(column)));
            }
        }
    }

    // A button shows whether it can be pressed, whatever its face colour: its
    // text is the standard one while enabled, the standard grey while not.
    void disabledButtonsLookDisabled()
    {
        ReelWindowFixture window;
        const QPalette standard = QApplication::palette();
        for (ui::Button* button : window.riru->findChildren<ui::Button*>()) {
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                QVERIFY2(button->palette().color(group, QPalette::ButtonText) ==
                             standard.color(group, QPalette::ButtonText),
                         qPrintable(button->objectName()));
        }
        QVERIFY(standard.color(QPalette::Disabled, QPalette::ButtonText) !=
                standard.color(QPalette::Active, QPalette::ButtonText));
        click(*window.riru, "cmstart");
        const QImage spinning = window.button("r1stop")->grab().toImage();
        click(*window.riru, "r1stop");
        QVERIFY(window.button("r1stop")->grab().toImage() != spinning);
        QCOMPARE(window.button("r1stop")->palette().color(QPalette::Disabled, QPalette::Button), QColor(255, 128, 128));
    }

    void enterAndTabDriveTheGame()
    {
        ReelWindowFixture window;
        Riru* riru = window.riru.get();
        riru->open();
        QVERIFY(QTest::qWaitForWindowActive(riru));
        QCOMPARE(QApplication::focusWidget(), window.button("cmstart"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // start
        QCOMPARE(window.enabledButtons(), (std::set<std::string>{"r1stop", "r2stop", "r3stop", "Cmkaisetu", "Cmsousa"}));
        QCOMPARE(QApplication::focusWidget(), window.button("r1stop"));
        for (const char* next : {"r2stop", "r3stop", "r1stop"}) {  // cmstart is disabled, so skipped
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), window.button(next));
        }

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);  // stops the left reel
        const std::set<std::string> leftStopped = {"r2stop", "r3stop", "Cmkaisetu", "Cmsousa"};
        QCOMPARE(window.enabledButtons(), leftStopped);
        // The focus stays where it was: Enter presses nothing, TAB goes on from there.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(riru));
        QTest::keyClick(riru, Qt::Key_Return);
        QCOMPARE(window.enabledButtons(), leftStopped);
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer2", "Timer3"}));
        QTest::keyClick(riru, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.button("r2stop"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(riru, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.button("r3stop"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(window.isStanding());
        QVERIFY(window.readOut().count('-') == 2);

        // Standing, TAB finds only the start button, never a box or another button.
        for (int press = 0; press < 4; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), window.button("cmstart"));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(riru->isVisible());
    }

    void mouseReachesOnlyEnabledButtons()
    {
        ReelWindowFixture window;
        Riru* riru = window.riru.get();
        riru->open();
        QVERIFY(QTest::qWaitForWindowActive(riru));
        QTest::mouseClick(window.button("r1stop"), Qt::LeftButton);
        QVERIFY(window.isStanding());
        QCOMPARE(window.readOut(), QStringLiteral("Text2"));  // nothing judged
        QTest::mouseClick(window.button("r3sita"), Qt::LeftButton);
        QCOMPARE(window.readOut(), QStringLiteral("1-1-21"));
        QTest::mouseClick(window.box("Text1"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.box("Text1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.button("cmstart"));
        QTest::mouseClick(window.button("autostart"), Qt::LeftButton);
        QCOMPARE(window.enabledButtons(), kAutoPlaying);
        QCOMPARE(QApplication::focusWidget(), window.button("autostop"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(window.isStanding());
        QCOMPARE(QApplication::focusWidget(), window.button("autostart"));
    }
};

QTEST_MAIN(TestReelWindow)
#include "tst_reel_window.moc"
