#pragma once

#include "core/outcome_groups.h"

#include <QWidget>

#include <array>

class QLabel;

// The outcome groups under the grid: each group's mark on its colour, its
// caption, and how many patterns of the left position shown fall in it.
class LegendView : public QWidget {
    Q_OBJECT

public:
    explicit LegendView(QWidget* parent = nullptr);

    void setCounts(const std::array<int, kOutcomeGroups.size()>& counts);

private:
    std::array<QLabel*, kOutcomeGroups.size()> counts_{};
};
