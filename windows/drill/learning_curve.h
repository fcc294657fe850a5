#pragma once

#include "core/drill/daily_results.h"

#include <QWidget>

#include <vector>

// The last 30 days at a glance: each day's share of right answers as a bar
// and its median answer time as a line. Its accessible description reads the
// figures of the days with answers.
class LearningCurve : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDays = 30;

    explicit LearningCurve(QWidget* parent = nullptr);

    void setDays(std::vector<DayResult> days);
    const std::vector<DayResult>& days() const { return days_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<DayResult> days_;
};
