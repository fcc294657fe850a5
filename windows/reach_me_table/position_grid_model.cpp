#include "windows/reach_me_table/position_grid_model.h"

#include "core/reels/symbols_in_words.h"
#include "ui/text.h"
#include "windows/pieces/reel_cell_pictures.h"

PositionGridModel::PositionGridModel(const ReelCellPictures& pictures, QObject* parent)
    : QAbstractTableModel(parent), pictures_(pictures)
{
}

int PositionGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : reel::kPositions;
}

int PositionGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : reel::kPositions;
}

void PositionGridModel::allCellsChanged()
{
    emit dataChanged(index(0, 0), index(reel::kPositions - 1, reel::kPositions - 1));
}

QVariant PositionGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int position = section + 1;
    const bool columns = orientation == Qt::Horizontal;
    const reel::Reel shown = columns ? axes().across : axes().down;
    const QString name = ui::qt(reel::nameOf(shown)) + QStringLiteral(" %1").arg(position);
    switch (role) {
    case Qt::DisplayRole:
        return position;
    case Qt::DecorationRole:
        return columns ? pictures_.stacked(shown, position) : pictures_.sideBySide(shown, position);
    case Qt::ToolTipRole:
        return name;
    case Qt::AccessibleTextRole:
        return name + QLatin1Char(' ') + ui::qt(reel::reelInWords(shown, position));
    default:
        return {};
    }
}
