#include "windows/reach_me_table/legend_view.h"

#include "ui/text.h"
#include "windows/pieces/marked_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kEntriesPerRow = 4;

using ui::qt;

// A group's mark on its colour, as the grid shows it.
class Swatch : public QWidget {
public:
    Swatch(const OutcomeGroup& group, QWidget* parent)
        : QWidget(parent), face_(QColor::fromRgb(group.colour)), mark_(qt(group.mark))
    {
        setFixedSize(fontMetrics().height() * 2, fontMetrics().height() + 6);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawMarkedBox(painter, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), face_, mark_);
    }

private:
    QColor face_;
    QString mark_;
};

}  // namespace

LegendView::LegendView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("legend"));
    setAccessibleName(QStringLiteral("凡例"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    for (std::size_t index = 0; index < kOutcomeGroups.size(); ++index) {
        const OutcomeGroup& group = kOutcomeGroups[index];
        const int row = static_cast<int>(index) / kEntriesPerRow;
        const int column = static_cast<int>(index) % kEntriesPerRow * 3;
        auto* caption = new QLabel(qt(group.caption), this);
        counts_[index] = new QLabel(this);
        counts_[index]->setObjectName(QStringLiteral("count_") + qt(group.key));
        counts_[index]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counts_[index]->setMinimumWidth(counts_[index]->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        layout->addWidget(new Swatch(group, this), row, column);
        layout->addWidget(caption, row, column + 1);
        layout->addWidget(counts_[index], row, column + 2);
        layout->setColumnStretch(column + 1, 1);
    }
}

void LegendView::setCounts(const std::array<int, kOutcomeGroups.size()>& counts)
{
    for (std::size_t index = 0; index < counts.size(); ++index) {
        counts_[index]->setText(QString::number(counts[index]));
        counts_[index]->setAccessibleName(
            QStringLiteral("%1: %2").arg(qt(kOutcomeGroups[index].caption)).arg(counts[index]));
    }
}
