#include "windows/reach_me_table/pair_table_model.h"

#include "core/pairs/pair_words.h"
#include "core/reels/symbols_in_words.h"
#include "ui/text.h"
#include "windows/pieces/cell_look.h"
#include "windows/pieces/pair_look.h"
#include "windows/pieces/reel_cell_pictures.h"

#include <QBrush>

PairTableModel::PairTableModel(const ReelCellPictures& pictures, QObject* parent)
    : QAbstractTableModel(parent), pictures_(pictures)
{
}

void PairTableModel::setOrder(StopOrder order)
{
    if (order == order_)
        return;
    order_ = order;
    emit dataChanged(index(0, 0), index(reel::kPositions - 1, reel::kPositions - 1));
    emit headerDataChanged(Qt::Horizontal, 0, reel::kPositions - 1);
}

int PairTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : reel::kPositions;
}

int PairTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : reel::kPositions;
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

QVariant PairTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int position = section + 1;
    const reel::Reel shown = orientation == Qt::Horizontal ? secondReelOf(order_) : reel::Left;
    const QString name = ui::qt(reel::nameOf(shown)) + QStringLiteral(" %1").arg(position);
    switch (role) {
    case Qt::DisplayRole:
        return position;
    case Qt::DecorationRole:
        return orientation == Qt::Horizontal ? pictures_.stacked(static_cast<reel::Reel>(shown), position)
                                             : pictures_.sideBySide(reel::Left, position);
    case Qt::ToolTipRole:
        return name;
    case Qt::AccessibleTextRole:
        // The header's picture in words, for a screen reader.
        return name + QLatin1Char(' ') + ui::qt(reel::reelInWords(shown, position));
    default:
        return {};
    }
}
