#include "ui/announce.h"

#include <QAccessible>
#include <QWidget>

namespace ui {

void announceNameChange(QWidget* control)
{
    QAccessibleEvent changed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void sayThrough(QWidget* control, const QString& words)
{
    control->setAccessibleDescription(words);
    control->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui
