#include "windows/drill/drill_clock.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <memory>

DrillClock DrillClock::system()
{
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    return {[] { return QDateTime::currentMSecsSinceEpoch(); }, [steady] { return steady->elapsed(); }};
}
