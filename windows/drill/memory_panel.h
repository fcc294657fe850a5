#pragma once

#include "core/drill/memory/memory_work.h"
#include "history/drill/drill_history.h"

#include <QDate>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;
namespace ui {
class HeardLine;
}
class CalibrationChart;
class ForecastChart;

// What the drill tells of its memory model: the button that fits it to the
// player's answers and whether a fit is under way; which weights are in use
// and where they came from; how well the default and the fitted weights
// predicted the answers held out, and whether the fit was kept; how the
// predictions came true, bin by bin; the share of reviews really recalled
// in the last 7 and 30 days; the daily work the desired retention costs;
// and the reviews due in the next 14 days.
class MemoryPanel : public QWidget {
    Q_OBJECT

public:
    explicit MemoryPanel(QWidget* parent = nullptr);

    QPushButton* fitButton() const { return fit_; }

    // While `fitting`, the button waits and a line says the drill goes on.
    void showFitting(bool fitting);
    // The latest fit's figures and the fit whose weights are in use (none:
    // the defaults).
    void showFits(const std::optional<MemoryFitRecord>& latest, const std::optional<MemoryFitRecord>& inUse);
    // The calibration and the true retention of a run of the memory work.
    void showWork(const MemoryWork& work);
    void showDailyWork(double answersADay, double retention);
    void showForecast(std::vector<int> due, QDate today);

private:
    QPushButton* fit_ = nullptr;
    ui::HeardLine* fitState_ = nullptr;
    QLabel* weights_ = nullptr;
    QLabel* figuresCaption_ = nullptr;
    QLabel* logLossDefault_ = nullptr;
    QLabel* rmseBinsDefault_ = nullptr;
    QLabel* logLossFitted_ = nullptr;
    QLabel* rmseBinsFitted_ = nullptr;
    QLabel* verdict_ = nullptr;
    CalibrationChart* calibration_ = nullptr;
    QLabel* retention_ = nullptr;
    QLabel* dailyWork_ = nullptr;
    ForecastChart* forecast_ = nullptr;
    std::optional<MemoryFitRecord> latest_;
};
