#include "reach_me_table/legend_view.h"

#include "reach_me_table/cell_look.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kEntriesPerRow = 4;

QString qt(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

QLabel* swatch(const OutcomeGroup& group, QWidget* parent)
{
    const QColor colour = QColor::fromRgb(group.colour);
    auto* label = new QLabel(qt(group.mark), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(label->fontMetrics().height() * 2, label->fontMetrics().height() + 6);
    label->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px solid #808080;")
                             .arg(colour.name(), cell_look::textColourOn(colour).name()));
    return label;
}

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
        counts_[index]->setObjectName(QStringLiteral("count_") + QString::fromUtf8(group.key.data(), qsizetype(group.key.size())));
        counts_[index]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counts_[index]->setMinimumWidth(counts_[index]->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        layout->addWidget(swatch(group, this), row, column);
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
