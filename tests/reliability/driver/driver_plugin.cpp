// Plays the program from inside, as a user with a mouse would: loaded into
// the real binary as a Qt generic plugin (QT_PLUGIN_PATH pointing above its
// folder, QT_QPA_GENERIC_PLUGINS=kareto-driver), it clicks through the notice,
// a game, steps, a refusal, auto play, the information windows and the quit
// button, and says on standard output what it did. It writes nothing itself.
// With KARETO_DRIVER_SCENARIO=drill it opens the drill by F2 instead and
// answers two questions.

#include <QApplication>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

QWidget* shownWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

class Driver : public QObject {
public:
    Driver()
    {
        steps_ = qgetenv("KARETO_DRIVER_SCENARIO") == "drill" ? drillSteps() : gameSteps();
        // A step whose window is not up yet is tried again, for a while.
        QTimer::singleShot(0, this, [this] { next(); });
    }

private:
    struct Step {
        const char* name;
        int delayMs;
        std::function<bool()> run;
    };

    std::vector<Step> gameSteps()
    {
        return {
            {"notice", 0, [this] { return click("Form4", "Command1"); }},
            {"start", 0, [this] { return click("riru", "cmstart"); }},
            {"stop", 300, [this] { return click("riru", "r1stop") && click("riru", "r2stop") &&
                                          click("riru", "r3stop") && readOutIsPattern(); }},
            {"step", 100, [this] { return click("riru", "r1ue") && click("riru", "r2sita") &&
                                          click("riru", "r3ue") && readOutIsPattern(); }},
            {"refusal", 100, [this] { return type("Text1", "abc") && click("riru", "cmstart") && closeRefusal() &&
                                             type("Text1", "100"); }},
            {"auto play", 100, [this] { return type("Text1", "1") && type("Text3", "1") &&
                                               click("riru", "autostart"); }},
            {"auto stop", 500, [this] { return click("riru", "autostop") && readOutIsPattern(); }},
            {"information windows", 100, [this] { return click("riru", "Cmkaisetu") && click("riru", "Cmsousa"); }},
            {"quit", 300, [this] { return click("riru", "cmend"); }},
        };
    }

    std::vector<Step> drillSteps()
    {
        return {
            {"notice", 0, [this] { return click("Form4", "Command1"); }},
            {"drill", 100, [] { return pressOnReelWindow(Qt::Key_F2) && shownWindow("Drill"); }},
            {"answer", 100, [this] { return click("Drill", "answer_big"); }},
            {"next", 100, [this] { return click("Drill", "next"); }},
            {"answer again", 100, [this] { return click("Drill", "answer_miss"); }},
            {"quit", 100, [this] { return click("riru", "cmend"); }},
        };
    }

    void next()
    {
        if (at_ == steps_.size())
            return;
        const Step& step = steps_[at_];
        if (!step.run()) {
            if (++tries_ < 100) {
                QTimer::singleShot(100, this, [this] { next(); });
                return;
            }
            std::printf("driver: failed at %s\n", step.name);
            std::fflush(stdout);
            QCoreApplication::exit(3);
            return;
        }
        std::printf("driver: %s\n", step.name);
        std::fflush(stdout);
        tries_ = 0;
        if (++at_ < steps_.size())
            QTimer::singleShot(steps_[at_].delayMs, this, [this] { next(); });
    }

    bool click(const char* windowName, const char* buttonName)
    {
        QWidget* window = shownWindow(windowName);
        QPushButton* button = window ? window->findChild<QPushButton*>(QLatin1String(buttonName)) : nullptr;
        if (!button || !button->isEnabled())
            return false;
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }

    // A key of the reel window's own, which it takes only while active.
    static bool pressOnReelWindow(Qt::Key key)
    {
        QWidget* window = shownWindow("riru");
        if (!window || !window->isActiveWindow())
            return false;
        QTest::keyClick(window, key);
        return true;
    }

    bool type(const char* boxName, const char* text)
    {
        QWidget* window = shownWindow("riru");
        QLineEdit* box = window ? window->findChild<QLineEdit*>(QLatin1String(boxName)) : nullptr;
        if (!box)
            return false;
        box->selectAll();
        QTest::keyClicks(box, QLatin1String(text));
        return box->text() == QLatin1String(text);
    }

    bool closeRefusal()
    {
        QWidget* window = shownWindow("riru");
        auto* refusal = window ? window->findChild<QMessageBox*>(QStringLiteral("refusal")) : nullptr;
        if (!refusal || !refusal->isVisible())
            return false;
        QTest::mouseClick(refusal->button(QMessageBox::Ok), Qt::LeftButton);
        return true;
    }

    bool readOutIsPattern()
    {
        QWidget* window = shownWindow("riru");
        QLineEdit* readOut = window ? window->findChild<QLineEdit*>(QStringLiteral("Text2")) : nullptr;
        static const QRegularExpression pattern(QStringLiteral("^\\d{1,2}-\\d{1,2}-\\d{1,2}$"));
        if (!readOut || !pattern.match(readOut->text()).hasMatch())
            return false;
        std::printf("driver: read-out %s\n", qPrintable(readOut->text()));
        return true;
    }

    std::vector<Step> steps_;
    std::size_t at_ = 0;
    int tries_ = 0;
};

}  // namespace

class DriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")

public:
    QObject* create(const QString& key, const QString&) override
    {
        // The application deletes what its generic plugins create.
        return key == QLatin1String("kareto-driver") ? new Driver : nullptr;
    }
};

#include "driver_plugin.moc"
