#include "windows/reach_me_table/pair_table_model.h"

#include "windows/pieces/cell_look.h"
#include "windows/pieces/pair_look.h"

#include <QBrush>

PairTableModel::PairTableModel(const ReelCellPictures& pictures, QObject* parent)
    : PositionGridModel(pictures, parent)
{
}

void PairTableModel::setOrder(StopOrder order)
{
    if (order == order_)
        return;
    order_ = order;
    allCellsChanged();
    emit headerDataChanged(Qt::Horizontal, 0, reel::kPositions - 1);
}

QVariant PairTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const StoppedPair pair{index.row() + 1, index.column() + 1};
    const PairVerdict verdict = readPair(order_, pair).verdict;
    switch (role) {
    case Qt::DisplayRole:
        return pair_look::markOf(verdict);
    case Qt::BackgroundRole:
        return QBrush(pair_look::backgroundOf(verdict));
    case Qt::ForegroundRole:
        return QBrush(cell_look::textColourOn(pair_look::backgroundOf(verdict)));
    case Qt::ToolTipRole:
        return pair_look::pairText(order_, pair);
    case Qt::AccessibleTextRole:
        return pair_look::pairText(order_, pair).replace(QLatin1Char('\n'), QStringLiteral("。"));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    case kVerdictRole:
        return verdictIndexOf(verdict);
    default:
        return {};
    }
}
