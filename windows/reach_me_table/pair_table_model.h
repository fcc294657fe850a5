#pragma once

#include "core/pairs/pair_verdict.h"

#include <QAbstractTableModel>

class ReelCellPictures;

// What every pair of two stopped reels tells in one stop order: rows are the
// left reel's upper-row positions 1..21, columns the second reel's (the
// center for 順押し, the right for はさみ打ち). A cell shows its verdict's mark
// on its colour, with the verdict and what the third reel can still bring as
// its tool tip; a header shows the position and the reel's three cells there.
class PairTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The verdict of a cell, as its index in kPairVerdicts.
    static constexpr int kVerdictRole = Qt::UserRole;

    explicit PairTableModel(const ReelCellPictures& pictures, QObject* parent = nullptr);

    StopOrder order() const { return order_; }
    void setOrder(StopOrder order);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ReelCellPictures& pictures_;
    StopOrder order_ = StopOrder::LeftCenter;
};
