#pragma once

#include "reel_window/riru.h"
#include "ui/button.h"
#include "ui/timer.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>

inline ui::Timer* timerOf(const Riru& riru, const char* name)
{
    return riru.findChild<ui::Timer*>(name);
}

// The reel window's game buttons that take clicks, and its timers that run.
inline std::set<std::string> enabledButtons(const Riru& riru)
{
    std::set<std::string> enabled;
    for (const char* name : {"cmstart", "cmend", "autostart", "autostop", "r1ue", "r1sita", "r2ue", "r2sita", "r3ue",
                             "r3sita", "r1stop", "r2stop", "r3stop", "Cmkaisetu", "Cmsousa"})
        if (riru.findChild<ui::Button*>(name)->isEnabled())
            enabled.insert(name);
    return enabled;
}

inline std::set<std::string> timersOn(const Riru& riru)
{
    std::set<std::string> on;
    for (const ui::Timer* timer : {timerOf(riru, "Timer1"), timerOf(riru, "Timer2"), timerOf(riru, "Timer3"), timerOf(riru, "Timer4")})
        if (timer->isOn())
            on.insert(timer->objectName().toStdString());
    return on;
}

inline const std::set<std::string> kStanding = {
    "cmstart", "cmend", "autostart", "r1ue", "r1sita", "r2ue", "r2sita", "r3ue", "r3sita", "Cmkaisetu", "Cmsousa"};
inline const std::set<std::string> kAutoPlaying = {"autostop", "Cmkaisetu", "Cmsousa"};

// A reel window for driving its handlers directly, tick by tick.
struct ReelWindowFixture {
    int ended = 0;
    std::unique_ptr<Riru> riru = std::make_unique<Riru>([this] { ++ended; });

    ui::Button* button(const char* name) const { return riru->findChild<ui::Button*>(name); }
    QString caption(const char* name) const { return riru->findChild<QLabel*>(name)->text(); }
    QLineEdit* box(const char* name) const { return riru->findChild<QLineEdit*>(name); }
    QString readOut() const { return box("Text2")->text(); }
    std::set<std::string> enabledButtons() const { return ::enabledButtons(*riru); }
    std::set<std::string> timersOn() const { return ::timersOn(*riru); }
    bool isStanding() const { return enabledButtons() == kStanding && timersOn().empty(); }

    // Closes a refusal box left open by a handler, and says whether there was one.
    bool closeRefusal() const
    {
        QWidget* refusal = riru->findChild<QWidget*>("refusal");
        if (!refusal)
            return false;
        refusal->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }
};
