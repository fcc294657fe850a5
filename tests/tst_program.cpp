#include "reel_window_fixture.h"

#include "app/program.h"
#include "ui/look.h"
#include "ui/picture.h"
#include "windows/notice_and_info/form4.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>

namespace {

// Runs a test in a working directory of its own, and returns to the old one.
struct WorkingDirectory {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    WorkingDirectory() { QDir::setCurrent(dir.path()); }
    ~WorkingDirectory() { QDir::setCurrent(previous); }
};

QImage stripOf(const Riru* riru, const char* image)
{
    return riru->findChild<ui::Picture*>(image)->picture().convertToFormat(QImage::Format_RGB32);
}

QImage solid(QColor colour, QSize size = QSize(100, 1660))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

// The program's course: the notice, the reel window with its pictures, and the end.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void noticeThenStandingReelWindow()
    {
        WorkingDirectory cwd;
        int quits = 0;
        Program program([&] { ++quits; });
        QPointer<Form4> notice = program.notice();
        QVERIFY(notice && notice->isVisible());
        QVERIFY(!program.reelWindow());
        QVERIFY(QTest::qWaitForWindowActive(notice));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // OK has the focus

        QVERIFY(!program.notice());
        QTRY_VERIFY(notice.isNull());  // gone for good
        Riru* riru = program.reelWindow();
        QVERIFY(riru && riru->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(riru));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmstart"));
        QCOMPARE(quits, 0);
    }

    void picturesComeFromTheWorkingDirectory()
    {
        WorkingDirectory cwd;
        QVERIFY(solid(Qt::red).save("r1.bmp"));
        QVERIFY(solid(Qt::blue, QSize(80, 400)).save("r3.bmp"));
        QFile notAPicture("r2.bmp");
        QVERIFY(notAPicture.open(QIODevice::WriteOnly) && notAPicture.write("not a picture") > 0);
        notAPicture.close();

        ReelWindowFixture window;
        const ReelWindowFixture design = [] {
            WorkingDirectory empty;
            return ReelWindowFixture();
        }();
        QCOMPARE(stripOf(window.riru.get(), "Image1"), solid(Qt::red));
        QCOMPARE(stripOf(window.riru.get(), "Image2"), stripOf(design.riru.get(), "Image2"));
        QVERIFY(stripOf(window.riru.get(), "Image2") != solid(Qt::white));
        // A picture of another size shows at its own size, at the same place.
        auto* right = window.riru->findChild<ui::Picture*>("Image3");
        QCOMPARE(right->picture().size(), QSize(80, 400));
        QCOMPARE(right->top(), -1312 * 15.0);
        QCOMPARE(right->width(), 80);
        QVERIFY(window.isStanding());
        click(*window.riru, "r1sita");
        QCOMPARE(window.readOut(), QStringLiteral("21-1-1"));
    }

    void endsByQuitButtonOrCloseBox_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<bool>("withInfoWindows");
        QTest::newRow("quit button") << false << false;
        QTest::newRow("quit button, glossary and guide open") << false << true;
        QTest::newRow("close box") << true << false;
        QTest::newRow("close box, glossary and guide open") << true << true;
    }

    void endsByQuitButtonOrCloseBox()
    {
        QFETCH(bool, closeBox);
        QFETCH(bool, withInfoWindows);
        int quits = 0;
        Program program([&] { ++quits; });
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        if (withInfoWindows) {
            click(*riru, "Cmkaisetu");
            click(*riru, "Cmsousa");
        }
        closeBox ? (void)riru->close() : click(*riru, "cmend");
        QCOMPARE(quits, 1);
        QVERIFY(program.hasEnded());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    void closeBoxEndsEvenWhileSpinning()
    {
        int quits = 0;
        Program program([&] { ++quits; });
        click(*program.notice(), "Command1");
        click(*program.reelWindow(), "autostart");
        program.reelWindow()->close();
        QCOMPARE(quits, 1);
    }

    void noticeClosedWithoutOkEnds()
    {
        int quits = 0;
        Program program([&] { ++quits; });
        program.notice()->close();
        QCOMPARE(quits, 1);
        QVERIFY(!program.reelWindow());
    }

    void informationWindowsOpenBesideTheGame()
    {
        ReelWindowFixture window;
        Riru& riru = *window.riru;
        click(riru, "autostart");
        click(riru, "Cmsousa");
        auto guides = [] {
            int count = 0;
            for (QWidget* top : QApplication::topLevelWidgets())
                count += top->objectName() == QStringLiteral("Fsousa");
            return count;
        };
        QWidget* guide = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("Fsousa"))
                guide = top;
        QVERIFY(guide && guide->isVisible());
        click(riru, "Cmsousa");
        QCOMPARE(guides(), 1);
        qobject_cast<ui::Button*>(guide->findChild<QWidget*>("Command1"))->click();
        QVERIFY(!guide->isVisible());
        click(riru, "Cmsousa");
        QVERIFY(guide->isVisible());
        QCOMPARE(guides(), 1);
        click(riru, "Cmkaisetu");
        // The auto-play cycle goes on beside them.
        tick(riru, "Timer4");
        QCOMPARE(window.timersOn(), (std::set<std::string>{"Timer2", "Timer3", "Timer4"}));  // the left reel stopped
        QCOMPARE(window.enabledButtons(), kAutoPlaying);
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
