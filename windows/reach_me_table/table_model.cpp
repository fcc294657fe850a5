#include "windows/reach_me_table/table_model.h"

#include "core/evaluation/judgement.h"
#include "core/reach_me_patterns.h"
#include "core/reels/symbols_in_words.h"
#include "ui/text.h"
#include "windows/pieces/cell_look.h"
#include "windows/pieces/reel_cell_pictures.h"

#include <QBrush>

ReachMeTableModel::ReachMeTableModel(const ReelCellPictures& pictures, QObject* parent)
    : QAbstractTableModel(parent), pictures_(pictures)
{
}

void ReachMeTableModel::setLeftPosition(int left)
{
    if (left == left_)
        return;
    left_ = left;
    emit dataChanged(index(0, 0), index(reel::kPositions - 1, reel::kPositions - 1));
}

int ReachMeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : reel::kPositions;
}

int ReachMeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : reel::kPositions;
}

QVariant ReachMeTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int center = index.row() + 1;
    const int right = index.column() + 1;
    const char code = outcomeCodeOf({left_, center, right});
    switch (role) {
    case Qt::DisplayRole:
        return cell_look::markOf(code);
    case Qt::BackgroundRole:
        return QBrush(cell_look::backgroundOf(code));
    case Qt::ForegroundRole:
        return QBrush(cell_look::textColourOn(cell_look::backgroundOf(code)));
    case Qt::ToolTipRole:
        return cell_look::commentaryText(code);
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1-%2-%3: %4")
            .arg(left_)
            .arg(center)
            .arg(right)
            .arg(cell_look::commentaryText(code).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    case kCodeRole:
        return QChar(QLatin1Char(code));
    default:
        return {};
    }
}

QVariant ReachMeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int position = section + 1;
    const bool columns = orientation == Qt::Horizontal;
    switch (role) {
    case Qt::DisplayRole:
        return position;
    case Qt::DecorationRole:
        return columns ? pictures_.stacked(reel::Right, position)
                       : pictures_.sideBySide(reel::Center, position);
    case Qt::ToolTipRole:
        return (columns ? QStringLiteral("右リール %1") : QStringLiteral("中リール %1")).arg(position);
    case Qt::AccessibleTextRole:
        // The header's picture in words, for a screen reader.
        return (columns ? QStringLiteral("右リール %1 ") : QStringLiteral("中リール %1 ")).arg(position)
               + ui::qt(reel::reelInWords(columns ? reel::Right : reel::Center, position));
    default:
        return {};
    }
}
