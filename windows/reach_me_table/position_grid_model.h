#pragma once

#include "windows/pieces/header_drawing.h"

#include <QAbstractTableModel>

class ReelCellPictures;

// A grid of two reels' upper-row positions 1..21, one reel down the rows and
// another across the columns. A header shows the position and the reel's
// three cells there, as a picture and, for a screen reader, in words.
class PositionGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The reels across the columns and down the rows.
    virtual header_drawing::Axes axes() const = 0;

protected:
    PositionGridModel(const ReelCellPictures& pictures, QObject* parent);

    // Every cell shows something new.
    void allCellsChanged();

private:
    const ReelCellPictures& pictures_;
};
