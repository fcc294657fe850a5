#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Right-clicks a control as a player does and chooses the entry of that text
// from the menu that opens; answers every entry the menu offered.
inline QStringList rightClickAndChoose(QWidget* control, const QString& entry)
{
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            offered << action->text();
            if (action->text() == entry)
                action->trigger();
        }
        menu->close();
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(control, &rightClick);
    return offered;
}
