#pragma once

#include "core/pairs/pair_verdict.h"
#include "windows/pieces/pair_look.h"
#include "windows/reach_me_table/position_grid_model.h"

// What every pair of two stopped reels tells in one stop order: rows are the
// left reel's upper-row positions 1..21, columns the second reel's (the
// center for 順押し, the right for はさみ打ち). A cell shows its verdict's mark
// on its colour, with the verdict and what the third reel can still bring as
// its tool tip.
class PairTableModel : public PositionGridModel {
    Q_OBJECT

public:
    // The verdict of a cell, as its index in kPairVerdicts.
    static constexpr int kVerdictRole = Qt::UserRole;

    explicit PairTableModel(const ReelCellPictures& pictures, QObject* parent = nullptr);

    StopOrder order() const { return order_; }
    void setOrder(StopOrder order);

    QVariant data(const QModelIndex& index, int role) const override;
    header_drawing::Axes axes() const override { return pair_look::axesOf(order_); }

private:
    StopOrder order_ = StopOrder::LeftCenter;
};
