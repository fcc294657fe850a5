#pragma once

// Driving a reel window and reading what it shows: its mode, as its buttons
// and timers show it, its texts and its refusal boxes.

#include "core/reels/strip_geometry.h"
#include "tests/driving.h"
#include "ui/button.h"
#include "ui/timer.h"
#include "windows/pieces/strip_pictures.h"
#include "windows/reel/riru.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <set>
#include <string>

inline ui::Timer* timerOf(const Riru& riru, const char* name)
{
    return riru.findChild<ui::Timer*>(name);
}

inline QPushButton* buttonOf(const Riru& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromUtf8(name));
}

inline QLineEdit* boxOf(const Riru& window, const char* name)
{
    return window.findChild<QLineEdit*>(QString::fromUtf8(name));
}

// The reel window's game buttons that take clicks, and its timers that run.
inline std::set<std::string> enabledButtons(const Riru& riru)
{
    std::set<std::string> enabled;
    for (const char* name : {"cmstart", "cmend", "autostart", "autostop", "r1ue", "r1sita", "r2ue", "r2sita", "r3ue",
                             "r3sita", "r1stop", "r2stop", "r3stop", "Cmkaisetu", "Cmsousa"})
        if (buttonOf(riru, name)->isEnabled())
            enabled.insert(name);
    return enabled;
}

inline std::set<std::string> timersOn(const Riru& riru)
{
    std::set<std::string> on;
    for (const char* name : {"Timer1", "Timer2", "Timer3", "Timer4"})
        if (timerOf(riru, name)->isOn())
            on.insert(name);
    return on;
}

inline const std::set<std::string> kStanding = {
    "cmstart", "cmend", "autostart", "r1ue", "r1sita", "r2ue", "r2sita", "r3ue", "r3sita", "Cmkaisetu", "Cmsousa"};
inline const std::set<std::string> kAutoPlaying = {"autostop", "Cmkaisetu", "Cmsousa"};

enum class Shown { Standing, Spinning, AutoPlaying, Inconsistent };

inline const char* nameOf(Shown shown)
{
    switch (shown) {
    case Shown::Standing:
        return "Standing";
    case Shown::Spinning:
        return "Spinning";
    case Shown::AutoPlaying:
        return "Auto playing";
    case Shown::Inconsistent:
        break;
    }
    return "inconsistent";
}

// The mode the window shows, from which of its buttons take clicks and which
// timers run; anything between the three modes is inconsistent. While the
// reels spin by hand, each stop button takes clicks exactly while its reel runs.
inline Shown shownState(const Riru& window)
{
    const std::set<std::string> enabled = enabledButtons(window);
    const std::set<std::string> on = timersOn(window);
    if (enabled == kStanding && on.empty())
        return Shown::Standing;
    // Auto play stops and starts the reels within its cycle.
    if (enabled == kAutoPlaying && on.count("Timer4"))
        return Shown::AutoPlaying;

    std::set<std::string> spinning = {"Cmkaisetu", "Cmsousa"};
    for (const char* reel : {"1", "2", "3"})
        if (on.count(std::string("Timer") + reel))
            spinning.insert(std::string("r") + reel + "stop");
    if (!on.empty() && !on.count("Timer4") && enabled == spinning)
        return Shown::Spinning;
    return Shown::Inconsistent;
}

// The read-out the reels' cell indexes stand for, such as "1-17-10".
inline QString expectedReadOut(const Riru& window)
{
    return QStringLiteral("%1-%2-%3")
        .arg(strip::positionOfIndex(window.game().reel(reel::Left).koma))
        .arg(strip::positionOfIndex(window.game().reel(reel::Center).koma))
        .arg(strip::positionOfIndex(window.game().reel(reel::Right).koma));
}

// Whether a read-out names three upper-row positions of the reels, 1..21.
inline bool isPattern(const QString& readOut)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([1-9]|1[0-9]|2[01])-([1-9]|1[0-9]|2[01])-([1-9]|1[0-9]|2[01])$"));
    return pattern.match(readOut).hasMatch();
}

inline QMessageBox* openRefusal(const Riru& window)
{
    return window.findChild<QMessageBox*>(QStringLiteral("refusal"));
}

// Closes an open refusal box with its OK button, as the user does.
inline void closeRefusal(QMessageBox* refusal)
{
    QTest::mouseClick(refusal->button(QMessageBox::Ok), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A reel window for driving its handlers directly, tick by tick.
struct ReelWindowFixture {
    int ended = 0;
    Game game;
    std::unique_ptr<Riru> riru = std::make_unique<Riru>(game, loadStripPictures(), [this] { ++ended; });

    ui::Button* button(const char* name) const { return riru->findChild<ui::Button*>(name); }
    QString caption(const char* name) const { return riru->findChild<QLabel*>(name)->text(); }
    QLineEdit* box(const char* name) const { return boxOf(*riru, name); }
    QString readOut() const { return box("Text2")->text(); }
    std::set<std::string> enabledButtons() const { return ::enabledButtons(*riru); }
    std::set<std::string> timersOn() const { return ::timersOn(*riru); }
    bool isStanding() const { return shownState(*riru) == Shown::Standing; }

    // Closes a refusal box left open by a handler, and says whether there was one.
    bool closeRefusal() const
    {
        QMessageBox* refusal = openRefusal(*riru);
        if (!refusal)
            return false;
        ::closeRefusal(refusal);
        return true;
    }
};
