#include "ui/timer.h"

namespace ui {

Timer::Timer(QObject* parent, const char* name) : QObject(parent)
{
    setObjectName(QString::fromUtf8(name));
    // A coarse timer drifts by several milliseconds a tick; the reels must not.
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::tick()
{
    if (on_ && tick_)
        tick_();
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    apply();
}

void Timer::switchOn()
{
    if (on_)
        return;
    on_ = true;
    apply();
}

void Timer::switchOff()
{
    on_ = false;
    apply();
}

void Timer::apply()
{
    if (on_ && interval_ > 0)
        clock_.start(interval_);
    else
        clock_.stop();
}

}  // namespace ui
