#include "windows/drill/calibration_chart.h"

#include "windows/pieces/number_text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCalibrationSide = 120;
constexpr int kCalibrationMargin = 4;
const QColor kDotColour(0x1E, 0x88, 0xE5);

}  // namespace

CalibrationChart::CalibrationChart(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("予測と実際の正解率"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setBins({});
}

void CalibrationChart::setBins(std::vector<CalibrationBin> bins)
{
    bins_ = std::move(bins);
    QStringList said;
    for (const CalibrationBin& bin : bins_)
        if (bin.answers > 0)
            said << QStringLiteral("予測 %1 → 正解 %2（%3 件）")
                        .arg(percentText(bin.meanPredicted), percentText(bin.shareRight))
                        .arg(bin.answers);
    setAccessibleDescription(said.isEmpty() ? QStringLiteral("まだ確かめる答えがありません") : said.join(QStringLiteral("、")));
    update();
}

QRect CalibrationChart::plot() const
{
    // Room for the axis labels: on the left, and half a line above the top one.
    const int axisLabels = fontMetrics().horizontalAdvance(QStringLiteral("100%")) + kCalibrationMargin;
    return {axisLabels, fontMetrics().height() / 2 + kCalibrationMargin, kCalibrationSide, kCalibrationSide};
}

QSize CalibrationChart::sizeHint() const
{
    const int caption = fontMetrics().horizontalAdvance(QStringLiteral("横：予測　縦：実際の正解率"));
    return {std::max(plot().right() + kCalibrationMargin + fontMetrics().horizontalAdvance(QStringLiteral("100%")) / 2, caption),
            plot().bottom() + 2 * fontMetrics().height() + kCalibrationMargin};
}

void CalibrationChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = plot();
    painter.fillRect(area, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    const auto at = [&](double predicted, double right) {
        return QPointF(area.left() + predicted * (area.width() - 1), area.bottom() - right * (area.height() - 1));
    };
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(at(0, 0), at(1, 1));

    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    for (const double tick : {0.0, 0.5, 1.0}) {
        const QString label = percentText(tick);
        const QPointF y = at(0, tick);
        // The corner's 0% is the across axis's.
        if (tick > 0)
            painter.drawText(QRectF(0, y.y() - metrics.height() / 2.0, area.left() - kCalibrationMargin, metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, label);
        const QPointF x = at(tick, 0);
        const int labelWidth = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(x.x() - labelWidth / 2.0, area.bottom() + 1, labelWidth, metrics.height()), Qt::AlignCenter,
                         label);
    }
    painter.drawText(QRect(0, area.bottom() + 1 + metrics.height(), width(), metrics.height()), Qt::AlignLeft,
                     QStringLiteral("横：予測　縦：実際の正解率"));

    int most = 1;
    for (const CalibrationBin& bin : bins_)
        most = std::max(most, bin.answers);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(kDotColour);
    painter.setPen(kDotColour.darker(150));
    for (const CalibrationBin& bin : bins_) {
        if (bin.answers == 0)
            continue;
        // By area: a bin of four times the answers looks four times as large.
        const double radius = 2.0 + 4.0 * std::sqrt(static_cast<double>(bin.answers) / most);
        painter.drawEllipse(at(bin.meanPredicted, bin.shareRight), radius, radius);
    }
}
