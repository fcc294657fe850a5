#pragma once

#include "core/timing/press_statistics.h"

#include <QTableWidget>

// The presses summed up for each symbol aimed at and for all of them:
// presses, hit rate, mean offset and its spread in ms.
class StatisticsTable : public QTableWidget {
    Q_OBJECT

public:
    explicit StatisticsTable(QWidget* parent = nullptr);

    void showStatistics(const timing::PressStatistics& statistics);
};
