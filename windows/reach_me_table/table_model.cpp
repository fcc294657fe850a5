#include "windows/reach_me_table/table_model.h"

#include "core/evaluation/judgement.h"
#include "windows/pieces/cell_look.h"

#include <QBrush>

ReachMeTableModel::ReachMeTableModel(const ReelCellPictures& pictures, QObject* parent)
    : PositionGridModel(pictures, parent)
{
}

void ReachMeTableModel::setLeftPosition(int left)
{
    if (left == left_)
        return;
    left_ = left;
    allCellsChanged();
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
