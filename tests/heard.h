#pragma once

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QWidget>

// What a screen reader is given to say after an action in `window`, as Orca
// speaks it: the control that has the focus, by its name and description,
// and the notifications shown in the window, by their names (a notification
// shows its words anew whenever they change, which Orca presents).
inline QString heardIn(QWidget* window)
{
    QStringList said;
    if (QWidget* focused = QApplication::focusWidget()) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(focused);
        said << control->text(QAccessible::Name) << control->text(QAccessible::Description);
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(control);
        if (control->isVisible() && shown && shown->role() == QAccessible::Notification)
            said << shown->text(QAccessible::Name);
    }
    return said.join(u' ');
}
