#include "ui/announce.h"

#include <QAccessible>
#include <QWidget>

namespace ui {

void announceNameChange(QWidget* control)
{
    QAccessibleEvent changed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace ui
