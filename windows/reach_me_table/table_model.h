#pragma once

#include "windows/reach_me_table/position_grid_model.h"

// Every pattern of one left position: rows are the center reel's upper-row
// positions 1..21, columns the right reel's. A cell shows its outcome group's
// mark on the group's colour, with the outcome's texts as its tool tip.
class ReachMeTableModel : public PositionGridModel {
    Q_OBJECT

public:
    // The outcome code of a cell, as a QChar.
    static constexpr int kCodeRole = Qt::UserRole;

    explicit ReachMeTableModel(const ReelCellPictures& pictures, QObject* parent = nullptr);

    int leftPosition() const { return left_; }
    void setLeftPosition(int left);

    QVariant data(const QModelIndex& index, int role) const override;
    header_drawing::Axes axes() const override { return {reel::Right, reel::Center}; }

private:
    int left_ = 7;
};
