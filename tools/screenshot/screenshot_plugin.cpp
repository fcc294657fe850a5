// Photographs the reel window in the middle of a game, for the README: loaded
// into the real program as a Qt generic plugin (QT_PLUGIN_PATH pointing above
// its folder, QT_QPA_GENERIC_PLUGINS=kareto-screenshot), it clicks OK on the
// notice, plays a spin, steps the reels to a BIG reach-me, grabs the window
// into the file KARETO_SCREENSHOT names and ends the program with its own quit
// button. scripts/screenshot runs it.

#include <QApplication>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The pattern shown: left 1, center 1, right 3, a reach-me for the BIG bonus.
constexpr int kTarget[3] = {1, 1, 3};

QWidget* shownWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

class Photographer : public QObject {
public:
    Photographer()
    {
        // Each action returns false while what it needs has not come up yet.
        actions_ = {
            [] { return press("Form4", "Command1"); },
            [] { return press("riru", "cmstart"); },
            [] { return press("riru", "r1stop"); },
            [] { return press("riru", "r2stop"); },
            [] { return press("riru", "r3stop"); },
            [] { return stepTo(0, "r1ue") && stepTo(1, "r2ue") && stepTo(2, "r3ue"); },
            [] { return photograph(); },
            [] { return press("riru", "cmend"); },
        };
        QTimer::singleShot(0, this, [this] { next(); });
    }

private:
    static bool press(const char* windowName, const char* buttonName)
    {
        QWidget* window = shownWindow(windowName);
        auto* button = window ? window->findChild<QPushButton*>(QLatin1String(buttonName)) : nullptr;
        if (!button || !button->isEnabled())
            return false;
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }

    // The reel's upper-row position as the read-out shows it, or 0.
    static int shownPosition(int reel)
    {
        QWidget* window = shownWindow("riru");
        auto* readOut = window ? window->findChild<QLineEdit*>(QStringLiteral("Text2")) : nullptr;
        const QStringList positions = readOut ? readOut->text().split(u'-') : QStringList();
        return positions.size() == 3 ? positions[reel].toInt() : 0;
    }

    // Steps one reel up, one cell at a time, until it stands at its target.
    static bool stepTo(int reel, const char* upButton)
    {
        for (int step = 0; step <= 21 && shownPosition(reel) != kTarget[reel]; ++step)
            if (!press("riru", upButton))
                return false;
        return shownPosition(reel) == kTarget[reel];
    }

    static bool photograph()
    {
        QWidget* window = shownWindow("riru");
        const QString file = qEnvironmentVariable("KARETO_SCREENSHOT");
        if (!window || file.isEmpty())
            return false;
        if (!window->grab().save(file, "PNG")) {
            std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(file));
            QCoreApplication::exit(1);
        }
        return true;
    }

    void next()
    {
        if (at_ == actions_.size())
            return;
        if (actions_[at_]()) {
            ++at_;
            tries_ = 0;
        } else if (++tries_ == 100) {
            std::fprintf(stderr, "screenshot: the program never reached step %zu\n", at_ + 1);
            QCoreApplication::exit(1);
            return;
        }
        // The reels spin a little between start and stops; windows come up.
        QTimer::singleShot(100, this, [this] { next(); });
    }

    std::vector<std::function<bool()>> actions_;
    std::size_t at_ = 0;
    int tries_ = 0;
};

}  // namespace

class ScreenshotPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "screenshot.json")

public:
    QObject* create(const QString& key, const QString&) override
    {
        // The application deletes what its generic plugins create.
        return key == QLatin1String("kareto-screenshot") ? new Photographer : nullptr;
    }
};

#include "screenshot_plugin.moc"
