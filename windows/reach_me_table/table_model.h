#pragma once

#include <QAbstractTableModel>

class ReelCellPictures;

// Every pattern of one left position: rows are the center reel's upper-row
// positions 1..21, columns the right reel's. A cell shows its outcome group's
// mark on the group's colour, with the outcome's texts as its tool tip; a
// header shows the position and the reel's three cells there.
class ReachMeTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The outcome code of a cell, as a QChar.
    static constexpr int kCodeRole = Qt::UserRole;

    explicit ReachMeTableModel(const ReelCellPictures& pictures, QObject* parent = nullptr);

    int leftPosition() const { return left_; }
    void setLeftPosition(int left);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ReelCellPictures& pictures_;
    int left_ = 7;
};
