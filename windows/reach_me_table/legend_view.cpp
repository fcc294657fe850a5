#include "windows/reach_me_table/legend_view.h"

#include "core/outcome_groups.h"
#include "core/pairs/pair_verdict.h"
#include "ui/text.h"
#include "windows/pieces/marked_box.h"
#include "windows/pieces/pair_look.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kEntriesPerRow = 4;

using ui::qt;

// An entry's mark on its colour, as the grid shows it.
class Swatch : public QWidget {
public:
    Swatch(const LegendView::Entry& entry, QWidget* parent) : QWidget(parent), face_(entry.face), mark_(entry.mark)
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

LegendView::LegendView(const std::vector<Entry>& entries, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("legend"));
    setAccessibleName(QStringLiteral("凡例"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const Entry& entry = entries[index];
        const int row = static_cast<int>(index) / kEntriesPerRow;
        const int column = static_cast<int>(index) % kEntriesPerRow * 3;
        auto* caption = new QLabel(entry.caption, this);
        auto* count = new QLabel(this);
        count->setObjectName(entry.countName);
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        layout->addWidget(new Swatch(entry, this), row, column);
        layout->addWidget(caption, row, column + 1);
        layout->addWidget(count, row, column + 2);
        layout->setColumnStretch(column + 1, 1);
        captions_.push_back(entry.caption);
        counts_.push_back(count);
    }
}

void LegendView::setCounts(std::span<const int> counts)
{
    for (std::size_t index = 0; index < counts.size(); ++index) {
        counts_[index]->setText(QString::number(counts[index]));
        counts_[index]->setAccessibleName(QStringLiteral("%1: %2").arg(captions_[index]).arg(counts[index]));
    }
}

std::vector<LegendView::Entry> outcomeGroupLegend()
{
    std::vector<LegendView::Entry> entries;
    for (const OutcomeGroup& group : kOutcomeGroups)
        entries.push_back({QStringLiteral("count_") + qt(group.key), qt(group.caption), QColor::fromRgb(group.colour),
                           qt(group.mark)});
    return entries;
}

std::vector<LegendView::Entry> pairVerdictLegend()
{
    std::vector<LegendView::Entry> entries;
    for (PairVerdict verdict : kPairVerdicts)
        entries.push_back({QStringLiteral("pairCount_") + pair_look::nameOf(verdict), pair_look::captionOf(verdict),
                           pair_look::backgroundOf(verdict), pair_look::markOf(verdict)});
    return entries;
}
