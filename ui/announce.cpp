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
    if (!control->hasFocus()) {
        control->setAccessibleDescription(words);
        control->setFocus(Qt::OtherFocusReason);
    } else if (control->accessibleDescription() != words) {
        control->setAccessibleDescription(words);  // which tells the change
    } else {
        // The same words again are news all the same.
        QAccessibleEvent changed(control, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

}  // namespace ui
