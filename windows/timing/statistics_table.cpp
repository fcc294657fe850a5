#include "windows/timing/statistics_table.h"

#include "core/reels/symbols_in_words.h"
#include "core/timing/press_result.h"
#include "ui/text.h"

#include <QHeaderView>

namespace {

constexpr Symbol kSymbols[] = {Symbol::Seven, Symbol::Bar,    Symbol::Ice,  Symbol::Chime,
                               Symbol::Cherry, Symbol::Replay, Symbol::VSign};
constexpr int kOverallRow = 7;

QStringList rowTexts(const timing::OffsetSummary& summary)
{
    const QString none = QStringLiteral("—");
    return {QString::number(summary.presses),
            summary.presses == 0 ? none : QStringLiteral("%1 %").arg(summary.hitRate() * 100, 0, 'f', 0),
            summary.presses == 0 ? none : ui::qt(timing::signedMs(summary.meanMs)),
            summary.presses < 2 ? none : QStringLiteral("%1 ms").arg(summary.spreadMs, 0, 'f', 0)};
}

}  // namespace

StatisticsTable::StatisticsTable(QWidget* parent) : QTableWidget(kOverallRow + 1, 4, parent)
{
    setHorizontalHeaderLabels({QStringLiteral("回数"), QStringLiteral("命中率"), QStringLiteral("平均"),
                               QStringLiteral("ばらつき")});
    QStringList rows;
    for (Symbol symbol : kSymbols)
        rows << ui::qt(reel::nameOf(symbol));
    rows << QStringLiteral("全体");
    setVerticalHeaderLabels(rows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, item);
        }
    QFont bold = font();
    bold.setBold(true);
    for (int column = 0; column < columnCount(); ++column)
        item(kOverallRow, column)->setFont(bold);
    showStatistics({});

    // As large as its cells, so that nothing scrolls.
    const int wide = fontMetrics().horizontalAdvance(QStringLiteral("−999 ms")) + 16;
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, wide);
    setFixedSize(verticalHeader()->sizeHint().width() + wide * columnCount() + 2 * frameWidth(),
                 horizontalHeader()->sizeHint().height() + verticalHeader()->length() + 2 * frameWidth());
}

void StatisticsTable::showStatistics(const timing::PressStatistics& statistics)
{
    for (int row = 0; row <= kOverallRow; ++row) {
        const QStringList texts = rowTexts(row == kOverallRow ? statistics.overall() : statistics.of(kSymbols[row]));
        for (int column = 0; column < columnCount(); ++column)
            item(row, column)->setText(texts[column]);
    }
}
