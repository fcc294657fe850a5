#include "windows/drill/learning_curve.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int kDayWidth = 12;
constexpr int kPlotHeight = 80;
constexpr int kChartMargin = 4;
// The time axis reaches at least this far, so that a fast day does not look slow.
constexpr int kLeastTimeScaleMs = 5000;
const QColor kAccuracy(0x43, 0xA0, 0x47);
const QColor kTime(0x1E, 0x88, 0xE5);

QString legendText(int slowestMs)
{
    return QStringLiteral("■ 正解率　― 答える時間の中央値（上端 %1 秒）").arg(slowestMs / 1000.0, 0, 'f', 1);
}

}  // namespace

LearningCurve::LearningCurve(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("30日の学習曲線"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setDays({});
}

QSize LearningCurve::sizeHint() const
{
    return {std::max(kDays * kDayWidth, fontMetrics().horizontalAdvance(legendText(99'999))) + 2 * kChartMargin,
            kPlotHeight + 2 * kChartMargin + fontMetrics().height()};
}

void LearningCurve::setDays(std::vector<DayResult> days)
{
    days_ = std::move(days);
    QStringList said;
    for (const DayResult& day : days_)
        if (day.answered > 0)
            said << QStringLiteral("%1日前 正解率 %2%　中央値 %3 秒")
                        .arg(days_.back().day - day.day)
                        .arg(100 * day.right / day.answered)
                        .arg(day.medianAnswerMs / 1000.0, 0, 'f', 1);
    setAccessibleDescription(said.isEmpty() ? QStringLiteral("まだ答えがありません") : said.join(QStringLiteral("、")));
    update();
}

void LearningCurve::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect plot(kChartMargin, kChartMargin, kDays * kDayWidth, kPlotHeight);
    painter.fillRect(plot, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    int slowest = kLeastTimeScaleMs;
    for (const DayResult& day : days_)
        slowest = std::max(slowest, day.medianAnswerMs);
    const int first = std::max(0, static_cast<int>(days_.size()) - kDays);
    QPainterPath times;
    std::vector<QPointF> points;
    for (int i = first; i < static_cast<int>(days_.size()); ++i) {
        const DayResult& day = days_[static_cast<std::size_t>(i)];
        if (day.answered == 0)
            continue;
        const int x = plot.left() + (i - first) * kDayWidth;
        const int height = kPlotHeight * day.right / day.answered;
        painter.fillRect(x + 2, plot.bottom() - height, kDayWidth - 4, height, kAccuracy);
        const QPointF point(x + kDayWidth / 2.0, plot.bottom() - double(kPlotHeight) * day.medianAnswerMs / slowest);
        if (points.empty())
            times.moveTo(point);
        else
            times.lineTo(point);
        points.push_back(point);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kTime, 2));
    painter.drawPath(times);
    painter.setBrush(kTime);
    for (const QPointF& point : points)
        painter.drawEllipse(point, 2.5, 2.5);

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(kChartMargin, plot.bottom() + 2, width() - 2 * kChartMargin, fontMetrics().height()), Qt::AlignLeft,
                     legendText(slowest));
}
