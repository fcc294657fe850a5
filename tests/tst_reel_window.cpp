#include "reel_window_fixture.h"

#include "ui/look.h"
#include "ui/picture.h"

#include <QApplication>
#include <QTextLayout>

#include <cmath>

namespace {

struct Expected {
    const char* name;
    const char* text;
    int left, top, width, height;  // twips
    double points;                 // 0: the window's default font
    bool bold;
    bool enabled;
};

// The reel window's controls as they stand at start-up.
const Expected kControls[] = {
        {"Command4", "カレト職人養成マシーン", 1320, 0, 5295, 615, 15.75, true, true},
        {"cmstart", "start", 120, 4800, 975, 495, 14.25, true, true},
        {"r1stop", "stop", 1800, 4800, 975, 495, 14.25, true, false},
        {"r2stop", "stop", 3480, 4800, 975, 495, 14.25, true, false},
        {"r3stop", "stop", 5160, 4800, 975, 495, 14.25, true, false},
        {"r1ue", "▲", 1800, 5400, 975, 375, 18, false, true},
        {"r2ue", "▲", 3480, 5400, 975, 375, 18, false, true},
        {"r3ue", "▲", 5160, 5400, 975, 375, 18, false, true},
        {"r1sita", "▼", 1800, 5880, 975, 375, 18, false, true},
        {"r2sita", "▼", 3480, 5880, 975, 375, 18, false, true},
        {"r3sita", "▼", 5160, 5880, 975, 375, 18, false, true},
        {"lbtamaya", "たまや", 6960, 1920, 2655, 375, 18, true, true},
        {"lbyakumei", "ＢＩＧじゃ～！！", 6960, 2640, 2895, 1095, 15.75, true, true},
        {"Label1", "リール１コマのスピード", 6840, 3960, 2175, 255, 9.75, true, true},
        {"Label4", "Ａutoの停止までの時間", 6840, 4440, 2295, 255, 9.75, true, true},
        {"autostart", "Auto_start", 6840, 4800, 1575, 375, 14.25, true, true},
        {"autostop", "Auto_stop", 6840, 5280, 1575, 375, 14.25, true, false},
        {"Cmkaisetu", "解説の説明", 8520, 4800, 1455, 375, 11.25, true, true},
        {"Cmsousa", "操作の説明", 8520, 5280, 1455, 375, 12, true, true},
        {"cmend", "終了", 8520, 5760, 1455, 495, 14.25, true, true},
        {"Label2_0", "参両", 120, 720, 975, 375, 14.25, true, true},
        {"Label2_1", "弐両", 120, 1560, 975, 375, 14.25, true, true},
        {"Label2_2", "壱両", 120, 2400, 975, 375, 14.25, true, true},
        {"Label2_3", "弐両", 120, 3240, 975, 375, 14.25, true, true},
        {"Label2_4", "参両", 120, 4080, 975, 375, 14.25, true, true},
        {"Label7_0", "   1    1/297.891    1/420.103", 6960, 360, 2775, 255, 9, true, true},
        {"Label7_1", "   2    1/277.695    1/420.103", 6960, 600, 2895, 255, 9, true, true},
        {"Label7_2", "   3    1/264.258    1/420.103", 6960, 840, 2895, 255, 9, true, true},
        {"Label7_3", "   4    1/252.062    1/420.103", 6960, 1080, 2895, 255, 9, true, true},
        {"Label7_4", "   5    1/244.537    1/390.095", 6960, 1320, 2895, 255, 9, true, true},
        {"Label7_5", "   6    1/240.941    1/364.089", 6960, 1560, 2895, 255, 9, true, true},
        {"Command5", "", 1320, 600, 255, 4095, 0, false, false},
        {"Command6", "", 3000, 600, 255, 4095, 0, false, false},
        {"Command7", "", 4680, 600, 255, 4095, 0, false, false},
        {"Command8", "", 6360, 600, 255, 4095, 0, false, false},
        {"Command3", "", 1320, 4680, 5295, 1695, 0, false, false},
        {"Label3", " 設定     BIG           REG", 6960, 120, 2775, 255, 9, true, true},
        {"Label5", "解説", 6960, 2400, 1215, 255, 12, true, true},
        {"Text1", "100", 9120, 3840, 855, 360, 15.75, true, true},
        {"Text3", "1200", 9120, 4320, 855, 375, 15.75, true, true},
        {"Text2", "Text2", 7320, 5760, 975, 375, 0, false, true},
};

int px(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QString textOf(const QWidget* widget)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return qobject_cast<const QLineEdit*>(widget)->text();
}

// The families that really draw a text in a font, glyph by glyph.
QSet<QString> familiesDrawing(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QSet<QString> families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        families.insert(run.rawFont().familyName().toLower());
        if (run.glyphIndexes().contains(0))
            families.insert(QStringLiteral("(missing glyph)"));
    }
    return families;
}

}  // namespace

// The reel window as it stands and as the keyboard and mouse meet it.
class TestReelWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void controlsStandAsDesigned()
    {
        ReelWindowFixture window;
        QCOMPARE(window.riru->objectName(), QStringLiteral("riru"));
        QCOMPARE(window.riru->size(), QSize(677, 425));
        QVERIFY(window.riru->windowTitle().trimmed().isEmpty());  // not even the program's name
        const Qt::WindowFlags flags = window.riru->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        for (const Expected& control : kControls) {
            auto* widget = window.riru->findChild<QWidget*>(QString::fromUtf8(control.name));
            QVERIFY2(widget, control.name);
            QCOMPARE(widget->geometry(), QRect(px(control.left), px(control.top), px(control.width), px(control.height)));
            QCOMPARE(textOf(widget), QString::fromUtf8(control.text));
            QCOMPARE(widget->isEnabled(), control.enabled);
            const QFont font = widget->font();
            QCOMPARE(font.pixelSize(), static_cast<int>(std::lround((control.points > 0 ? control.points : 9) * 96 / 72)));
            QCOMPARE(font.weight(), control.bold ? QFont::Bold : QFont::Normal);
        }
    }

    void stripsLinesAndStacking()
    {
        ReelWindowFixture window;
        const QWidgetList children = [&] {
            QWidgetList list;
            for (QObject* child : window.riru->children())
                if (auto* widget = qobject_cast<QWidget*>(child))
                    list << widget;
            return list;
        }();
        auto stackOf = [&](const char* name) { return children.indexOf(window.riru->findChild<QWidget*>(name)); };
        const int xs[] = {1560, 3240, 4920};
        for (int reel = 0; reel < 3; ++reel) {
            auto* image = window.riru->findChild<ui::Picture*>(QStringLiteral("Image%1").arg(reel + 1));
            QCOMPARE(image->top(), double(px(-19680) * 15));
            QCOMPARE(image->picture().size(), QSize(100, 1660));
            // Only the band between the plates is painted: there, it shows the strip's rows.
            QCOMPARE(image->geometry(), QRect(px(xs[reel]), px(615), 100, px(4680) - px(615)));
            const QImage shown = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage strip = image->picture().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown, strip.copy(0, px(615) - px(-19680), 100, px(4680) - px(615)));
            for (const char* above : {"Line1", "Line2", "Command4", "Command3", "Command5", "Command8", "r1stop"})
                QVERIFY2(stackOf(above) > children.indexOf(image), above);
        }
        QCOMPARE(window.riru->findChild<QWidget*>("Line2")->geometry(), QRect(88, 80, 352, 1));
        QCOMPARE(window.riru->findChild<QWidget*>("Line1")->geometry(), QRect(88, 272, 352, 1));
        QCOMPARE(window.riru->findChild<QWidget*>("Line7")->geometry(), QRect(464, 0, 1, 120));
        QCOMPARE(window.riru->findChild<QWidget*>("Line17")->geometry(), QRect(464, 120, 192, 1));
        for (const char* line : {"Line7", "Line9", "Line10", "Line8", "Line11", "Line18"})
            QVERIFY2(stackOf(line) > stackOf("Label7_5") && stackOf(line) > stackOf("Label3"), line);
    }

    void coloursAndFace()
    {
        ReelWindowFixture window;
        auto colour = [&](const char* name, QPalette::ColorRole role) {
            return window.riru->findChild<QWidget*>(name)->palette().color(role);
        };
        QCOMPARE(colour("cmstart", QPalette::Button), QColor(255, 128, 255));
        for (const char* stop : {"r1stop", "r2stop", "r3stop"})
            QCOMPARE(colour(stop, QPalette::Button), QColor(255, 128, 128));
        QCOMPARE(colour("autostart", QPalette::Button), QApplication::palette().color(QPalette::Button));
        QCOMPARE(colour("lbtamaya", QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(colour("Label2_0", QPalette::WindowText), QColor(192, 192, 0));
        QCOMPARE(colour("Label2_0", QPalette::Window), QColor(Qt::black));
        QCOMPARE(colour("lbyakumei", QPalette::Window), QApplication::palette().color(QPalette::ToolTipBase));
        for (const char* name : {"lbyakumei", "Label2_0", "lbtamaya"})
            QVERIFY(window.riru->findChild<QWidget*>(name)->autoFillBackground());

        // Every text is drawn with the design face's substitute, no glyph missing.
        const QSet<QString> ipa{QStringLiteral("ipapgothic")};
        for (const Expected& control : kControls) {
            const QWidget* widget = window.riru->findChild<QWidget*>(QString::fromUtf8(control.name));
            if (!textOf(widget).isEmpty())
                QCOMPARE(familiesDrawing(textOf(widget), widget->font()), ipa);
        }
        const QString commentary = QStringLiteral("リーチ目だけど、止まらない？？ た～まや～！!");
        QCOMPARE(familiesDrawing(commentary, window.riru->findChild<QWidget*>("lbyakumei")->font()), ipa);
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
        window.riru->cmstart_Click();
        const QImage spinning = window.button("r1stop")->grab().toImage();
        window.riru->r1stop_Click();
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
        QCOMPARE(int(riru->game().timgoukei()), 1);
        QVERIFY(!window.button("r1stop")->isEnabled());
        // The focus stays where it was: Enter presses nothing, TAB goes on from there.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(riru));
        QTest::keyClick(riru, Qt::Key_Return);
        QCOMPARE(int(riru->game().timgoukei()), 1);
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
        QCOMPARE(int(riru->game().timgoukei()), 0);
        QVERIFY(window.isStanding());
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
