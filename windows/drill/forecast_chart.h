#pragma once

#include <QDate>
#include <QWidget>

#include <vector>

// The reviews due on each of the coming days as bars, today first, each
// with its count above and its day of the month below. Its accessible
// description reads the days out.
class ForecastChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDays = 14;

    explicit ForecastChart(QWidget* parent = nullptr);

    // `due`: the cards due each day from `today` on.
    void setForecast(std::vector<int> due, QDate today);
    const std::vector<int>& forecast() const { return due_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> due_;
    QDate today_;
};
