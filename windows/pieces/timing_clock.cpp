#include "windows/pieces/timing_clock.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <memory>

TimingClock TimingClock::system()
{
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    return {[steady] { return static_cast<std::int64_t>(steady->nsecsElapsed() / 1000); },
            [] { return QDateTime::currentMSecsSinceEpoch(); }};
}
