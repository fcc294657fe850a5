#pragma once

// What the reliability tests read off a reel window: the state its buttons and
// timers show, and whether its read-out is a pattern the reels stand at.

#include "../reel_window_fixture.h"
#include "reel_window/riru.h"
#include "core/reels/strip_geometry.h"
#include "ui/timer.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <fstream>
#include <set>
#include <unistd.h>

namespace reliability {

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

inline QPushButton* buttonOf(const Riru& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromUtf8(name));
}

inline QLineEdit* boxOf(const Riru& window, const char* name)
{
    return window.findChild<QLineEdit*>(QString::fromUtf8(name));
}

// The state the window shows, from which of its buttons take clicks and which
// timers run; anything between the three states is inconsistent. While the
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
    static const QRegularExpression pattern(QStringLiteral("^([1-9]|1[0-9]|2[01])-([1-9]|1[0-9]|2[01])-([1-9]|1[0-9]|2[01])$"));
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

// Resident memory of this process, in bytes.
inline long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Memory use under AddressSanitizer grows with its quarantine of freed blocks,
// whatever the program does; its leak check stands in for the measurement.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasurable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryIsMeasurable = false;
#else
constexpr bool kMemoryIsMeasurable = true;
#endif
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

}  // namespace reliability
