#pragma once

// Driving a window as a player does: clicking its named buttons, and stepping
// its named timers one tick at a time.

#include "ui/timer.h"

#include <QAbstractButton>
#include <QTest>

// A click on the window's button `name`; a disabled button takes none.
inline void click(const QWidget& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QString::fromUtf8(name));
    if (!button)
        QFAIL(qPrintable(QStringLiteral("no button %1").arg(QString::fromUtf8(name))));
    button->click();
}

// One tick of the window's timer `name`, as when its interval has passed;
// none while the timer is off.
inline void tick(const QObject& window, const char* name)
{
    auto* timer = window.findChild<ui::Timer*>(QString::fromUtf8(name));
    if (!timer)
        QFAIL(qPrintable(QStringLiteral("no timer %1").arg(QString::fromUtf8(name))));
    timer->tick();
}
