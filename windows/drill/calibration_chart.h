#pragma once

#include "core/drill/memory/prediction_figures.h"

#include <QWidget>

#include <vector>

// How well the memory model's predictions came true: for each bin of
// predicted recall, a dot at the bin's mean prediction across and the share
// of its answers that were right up, the larger the more answers it holds.
// Dots on the diagonal are predictions that came true. Its accessible
// description reads the bins out.
class CalibrationChart : public QWidget {
    Q_OBJECT

public:
    explicit CalibrationChart(QWidget* parent = nullptr);

    void setBins(std::vector<CalibrationBin> bins);
    const std::vector<CalibrationBin>& bins() const { return bins_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plot() const;

    std::vector<CalibrationBin> bins_;
};
