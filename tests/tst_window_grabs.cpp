#include "tests/driving.h"
#include "ui/look.h"
#include "windows/notice_and_info/fkaisetu_layout.h"
#include "windows/notice_and_info/form4.h"
#include "windows/notice_and_info/fsousa_layout.h"
#include "windows/notice_and_info/info_window.h"
#include "windows/pieces/strip_pictures.h"
#include "windows/reel/riru.h"

#include <QDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// A window brought to the state a grab shows; the window is kept alive by the holder.
using Scene = std::function<std::shared_ptr<ui::Window>()>;

std::shared_ptr<ui::Window> opened(std::shared_ptr<ui::Window> window)
{
    window->open();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("%s did not become active", qPrintable(window->objectName()));
    return window;
}

std::shared_ptr<ui::Window> reelWindowAfter(const std::function<void(Riru&)>& play)
{
    // The window shares its owner with the game it plays, which outlives it.
    struct Played {
        Game game;
        Riru riru{game, loadStripPictures(), [] {}};
    };
    const auto played = std::make_shared<Played>();
    std::shared_ptr<Riru> riru(played, &played->riru);
    opened(riru);
    play(*riru);
    return riru;
}

QString referencePath(const QString& name)
{
    return QStringLiteral(REFERENCE_GRABS_DIR "/%1.png").arg(name);
}

}  // namespace

// Every window as it looks, pixel for pixel, against the grabs committed with
// it. A window meant to look different is grabbed anew on purpose:
//   KARETO_REMAKE_GRABS=1 build/tests/tst_window_grabs
// writes the references into tests/reference_grabs/, to be looked at and committed.
class TestWindowGrabs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void looksAsCommitted_data()
    {
        QTest::addColumn<Scene>("scene");
        QTest::newRow("form4") << Scene([] { return opened(std::make_shared<Form4>([] {})); });
        QTest::newRow("fkaisetu") << Scene([] { return opened(std::make_shared<InfoWindow>(kFkaisetuWindow)); });
        QTest::newRow("fsousa") << Scene([] { return opened(std::make_shared<InfoWindow>(kFsousaWindow)); });
        QTest::newRow("riru-standing") << Scene([] { return reelWindowAfter([](Riru&) {}); });
        QTest::newRow("riru-spinning") << Scene([] { return reelWindowAfter([](Riru& riru) { click(riru, "cmstart"); }); });
        QTest::newRow("riru-result") << Scene([] {
            return reelWindowAfter([](Riru& riru) {
                click(riru, "r3ue");
                click(riru, "r3sita");  // back to the sevens, with the cheer
            });
        });
        QTest::newRow("riru-auto-playing") << Scene([] {
            return reelWindowAfter([](Riru& riru) { click(riru, "autostart"); });
        });
    }

    void looksAsCommitted()
    {
        QFETCH(Scene, scene);
        const std::shared_ptr<ui::Window> window = scene();
        const QImage grab = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString reference = referencePath(QString::fromUtf8(QTest::currentDataTag()));
        if (qEnvironmentVariableIsSet("KARETO_REMAKE_GRABS")) {
            QVERIFY(QDir().mkpath(QStringLiteral(REFERENCE_GRABS_DIR)));
            QVERIFY(grab.save(reference));
            return;
        }
        const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!expected.isNull(), qPrintable(reference + " is missing"));
        if (grab != expected) {
            const QString actual = QDir::current().absoluteFilePath(QFileInfo(reference).fileName());
            grab.save(actual);
            QFAIL(qPrintable(QStringLiteral("differs from %1; this build's grab: %2").arg(reference, actual)));
        }
    }
};

QTEST_MAIN(TestWindowGrabs)
#include "tst_window_grabs.moc"
