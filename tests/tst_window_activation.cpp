// Where the keyboard goes once an information window hides, on a real X
// server without a window manager, the keys typed through XTEST: nothing but
// the program itself hands the keyboard on there.
#include "reel_window_fixture.h"
#include "x_client.h"

#include "bench/xvfb.h"
#include "ui/look.h"
#include "ui/window.h"

#include <QApplication>

#include <cstdio>
#include <optional>

namespace {

constexpr xcb_keysym_t kReturn = 0xff0d;

ui::Window* informationWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            return qobject_cast<ui::Window*>(window);
    return nullptr;
}

void hide(ui::Window* window, const QString& how)
{
    if (how == QLatin1String("OK"))
        window->button("Command1")->click();
    else
        window->close();  // what the close box asks
}

}  // namespace

class TestWindowActivation : public QObject {
    Q_OBJECT

public:
    explicit TestWindowActivation(const std::string& display) : x_(display) {}

private slots:
    void initTestCase() { QVERIFY(x_.connected()); }

    void reelWindowTakesTheKeyboardBack_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        for (const char* window : {"Fkaisetu", "Fsousa"})
            for (const char* how : {"OK", "close box"})
                QTest::addRow("%s, %s", window, how) << window << how;
    }

    // Enter on the reel window presses its focused start button, without a click.
    void reelWindowTakesTheKeyboardBack()
    {
        QFETCH(QString, window);
        QFETCH(QString, how);
        ReelWindowFixture reels;
        reels.riru->open();
        QVERIFY(QTest::qWaitForWindowActive(reels.riru.get()));

        if (window == QLatin1String("Fkaisetu"))
            click(*reels.riru, "Cmkaisetu");
        else
            click(*reels.riru, "Cmsousa");
        ui::Window* shown = informationWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        hide(shown, how);

        QVERIFY(QTest::qWaitForWindowActive(reels.riru.get()));
        QCOMPARE(QApplication::focusWidget(), reels.button("cmstart"));
        QVERIFY(x_.pressKey(kReturn));
        QTRY_COMPARE(reels.timersOn(), (std::set<std::string>{"Timer1", "Timer2", "Timer3"}));
    }

    // The glossary, opened while the guide was active, gives the keyboard back
    // to the guide; the guide's OK, pressed by Enter, to the reel window.
    void otherInformationWindowTakesTheKeyboardBack()
    {
        ReelWindowFixture reels;
        reels.riru->open();
        QVERIFY(QTest::qWaitForWindowActive(reels.riru.get()));
        click(*reels.riru, "Cmsousa");
        ui::Window* guide = informationWindow(QStringLiteral("Fsousa"));
        QVERIFY(QTest::qWaitForWindowActive(guide));
        click(*reels.riru, "Cmkaisetu");
        ui::Window* glossary = informationWindow(QStringLiteral("Fkaisetu"));
        QVERIFY(QTest::qWaitForWindowActive(glossary));

        hide(glossary, QStringLiteral("OK"));
        QVERIFY(QTest::qWaitForWindowActive(guide));
        QVERIFY(x_.pressKey(kReturn));
        QTRY_VERIFY(!guide->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(reels.riru.get()));
        QVERIFY(x_.pressKey(kReturn));
        QTRY_COMPARE(reels.timersOn(), (std::set<std::string>{"Timer1", "Timer2", "Timer3"}));
    }

private:
    XClient x_;
};

// The test runs its own X server, and the application on it, before Qt starts.
int main(int argc, char* argv[])
{
    const Xvfb server;
    if (!server.running()) {
        std::fprintf(stderr, "%s\n", server.error().c_str());
        return 1;
    }
    qputenv("DISPLAY", server.display().c_str());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ui::useClassicLook();
    TestWindowActivation test(server.display());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_activation.moc"
