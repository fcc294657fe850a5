#include "windows/drill/forecast_chart.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kForecastDayWidth = 22;
constexpr int kForecastHeight = 60;
constexpr int kForecastMargin = 4;
const QColor kForecastBar(0x1E, 0x88, 0xE5);

}  // namespace

ForecastChart::ForecastChart(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("これから14日の復習の予定"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setForecast({}, QDate());
}

void ForecastChart::setForecast(std::vector<int> due, QDate today)
{
    due_ = std::move(due);
    today_ = today;
    QStringList said;
    for (std::size_t day = 0; day < due_.size(); ++day)
        said << QStringLiteral("%1 %2 枚")
                    .arg(day == 0 ? QStringLiteral("今日") : today_.addDays(static_cast<qint64>(day)).toString(QStringLiteral("M/d")))
                    .arg(due_[day]);
    setAccessibleDescription(said.isEmpty() ? QStringLiteral("予定はありません") : said.join(QStringLiteral("、")));
    update();
}

QSize ForecastChart::sizeHint() const
{
    return {kDays * kForecastDayWidth + 2 * kForecastMargin, kForecastHeight + 2 * fontMetrics().height() + 2 * kForecastMargin};
}

void ForecastChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect plot(kForecastMargin, kForecastMargin + metrics.height(), kDays * kForecastDayWidth, kForecastHeight);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    int most = 1;
    for (const int count : due_)
        most = std::max(most, count);
    const int days = std::min<int>(kDays, static_cast<int>(due_.size()));
    for (int day = 0; day < days; ++day) {
        const int count = due_[static_cast<std::size_t>(day)];
        const int x = plot.left() + day * kForecastDayWidth;
        const int height = count == 0 ? 0 : std::max(1, kForecastHeight * count / most);
        painter.fillRect(x + 3, plot.bottom() - height, kForecastDayWidth - 6, height, kForecastBar);
        painter.setPen(palette().color(QPalette::WindowText));
        if (count > 0)
            painter.drawText(QRect(x - 4, plot.bottom() - height - metrics.height(), kForecastDayWidth + 8, metrics.height()),
                             Qt::AlignCenter, QString::number(count));
        // Today, a week on and the last day are named; every day's number
        // side by side would run together.
        const QDate date = today_.addDays(day);
        if (date.isValid() && (day % 7 == 0 || day == kDays - 1)) {
            // The ends are kept inside the chart.
            const Qt::Alignment along = day == 0 ? Qt::AlignLeft : day == kDays - 1 ? Qt::AlignRight : Qt::AlignHCenter;
            const int left = day == 0 ? x : day == kDays - 1 ? x + kForecastDayWidth - 3 * kForecastDayWidth : x - kForecastDayWidth;
            painter.drawText(QRect(left, plot.bottom() + 1, 3 * kForecastDayWidth, metrics.height()), along | Qt::AlignVCenter,
                             day == 0 ? QStringLiteral("今日") : date.toString(QStringLiteral("M/d")));
        }
    }
}
