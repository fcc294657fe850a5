#pragma once

#include <QString>

class QComboBox;
class QWidget;

// What the drill asks: whole stop patterns (完成形), or the first two reels
// stopped, the third still turning (2確目).
enum class DrillMode { Patterns, Pairs };

// The box `mode` that chooses it, its entries in the order of DrillMode.
QComboBox* makeModeSwitch(QWidget* parent);

// The line that names the keys of the mode's answers.
QString keysHint(DrillMode mode);

// The title over the map of the mode's cards.
QString mapTitle(DrillMode mode);
