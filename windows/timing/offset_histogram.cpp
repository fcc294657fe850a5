#include "windows/timing/offset_histogram.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kBarWidth = 12;
constexpr int kPlotHeight = 110;
constexpr int kMargin = 6;

QString binText(int bin)
{
    const auto edge = [](double ms) {
        return ms < 0 ? QStringLiteral("\u2212%1").arg(-ms) : QString::number(ms);
    };
    const double low = (bin - OffsetHistogram::kBins / 2.0) * OffsetHistogram::kBinMs;
    if (bin == 0)
        return QStringLiteral("%1 ms より早い").arg(edge(low + OffsetHistogram::kBinMs));
    if (bin == OffsetHistogram::kBins - 1)
        return QStringLiteral("%1 ms より遅い").arg(edge(low));
    return QStringLiteral("%1～%2 ms").arg(edge(low), edge(low + OffsetHistogram::kBinMs));
}

}  // namespace

OffsetHistogram::OffsetHistogram(QWidget* parent) : QWidget(parent), counts_(kBins, 0)
{
    setAccessibleName(QStringLiteral("ずれの分布（直近 100 回）"));
    setFixedSize(sizeHint());
    showCounts(counts_, 0);
}

QSize OffsetHistogram::sizeHint() const
{
    return {kBins * kBarWidth + 2 * kMargin, kPlotHeight + fontMetrics().height() + 2 * kMargin};
}

void OffsetHistogram::showCounts(std::vector<int> counts, double hitHalfMs)
{
    counts_ = std::move(counts);
    hitHalfMs_ = hitHalfMs;
    QStringList said;
    for (int bin = 0; bin < kBins; ++bin)
        if (counts_[bin] > 0)
            said << QStringLiteral("%1: %2 回").arg(binText(bin)).arg(counts_[bin]);
    setAccessibleDescription(said.isEmpty() ? QStringLiteral("まだありません") : said.join(QStringLiteral("、")));
    update();
}

void OffsetHistogram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect plot(kMargin, kMargin, kBins * kBarWidth, kPlotHeight);
    painter.fillRect(plot, palette().color(QPalette::Base));

    // The hit band, centred on the ideal moment.
    const double pxPerMs = kBarWidth / kBinMs;
    const double centre = plot.left() + plot.width() / 2.0;
    const double half = std::min(hitHalfMs_ * pxPerMs, plot.width() / 2.0);
    painter.fillRect(QRectF(centre - half, plot.top(), 2 * half, plot.height()), QColor(0xdc, 0xf5, 0xdc));

    const int most = std::max(1, *std::max_element(counts_.begin(), counts_.end()));
    for (int bin = 0; bin < kBins; ++bin) {
        const int height = counts_[bin] * (plot.height() - 4) / most;
        painter.fillRect(QRect(plot.left() + bin * kBarWidth + 1, plot.bottom() + 1 - height, kBarWidth - 2, height),
                         QColor(0x30, 0x50, 0x90));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(QPointF(centre, plot.top()), QPointF(centre, plot.bottom()));
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    const QRect labels(plot.left(), plot.bottom() + 2, plot.width(), fontMetrics().height());
    painter.drawText(labels, Qt::AlignLeft, QStringLiteral("早い"));
    painter.drawText(labels, Qt::AlignHCenter, QStringLiteral("0"));
    painter.drawText(labels, Qt::AlignRight, QStringLiteral("遅い"));
}
