#include "windows/reel/stop_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// The reel a key stops, left 0 to right 2; -1 for any other key.
int reelOf(const QKeyEvent& key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return -1;
    switch (key.key()) {
    case Qt::Key_Z:
    case Qt::Key_Left:
        return 0;
    case Qt::Key_X:
    case Qt::Key_Down:
        return 1;
    case Qt::Key_C:
    case Qt::Key_Right:
        return 2;
    default:
        return -1;
    }
}

}  // namespace

StopKeys::StopKeys(QWidget* window, std::array<QAbstractButton*, 3> stopButtons)
    : QObject(window), stopButtons_(stopButtons)
{
    window->installEventFilter(this);
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
}

bool StopKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return QObject::eventFilter(watched, event);
    const int reel = reelOf(*static_cast<QKeyEvent*>(event));
    if (reel < 0 || !stopButtons_[static_cast<std::size_t>(reel)]->isEnabled())
        return QObject::eventFilter(watched, event);
    stopButtons_[static_cast<std::size_t>(reel)]->click();
    return true;
}
