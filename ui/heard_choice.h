#pragma once

#include <QString>

class QComboBox;

namespace ui {

// Makes a combo box's value heard. Qt 6.4 gives a screen reader no value of a
// combo box, and nothing is said when the value changes in place; so its
// accessible description says the value, followed by `detail` when given,
// and the keys that would change it in place (↑, ↓, PageUp, PageDown, Home,
// End) open its list instead, where the reader reads each item.
void hearValueOf(QComboBox* box);

// More words after the value, such as what the choice asks now.
void setValueDetail(QComboBox* box, const QString& detail);

}  // namespace ui
