#pragma once

#include <QImage>
#include <QWidget>

// The last press drawn against its target, once the reel stands: the strip
// round the target's cell, at a smaller scale, the target framed as the row
// frames it on the reel, and a dashed frame where the row stood on the strip
// at the moment of the press, half a cell on. A press at the ideal moment
// frames the target exactly; one 0.4 cell late sits 0.4 cell above it, where
// the strip had already turned on to; with no slip, the press stopped on the
// cell under the dashed frame's middle. Beneath, the offset in words.
class PressStill : public QWidget {
    Q_OBJECT

public:
    explicit PressStill(QWidget* parent = nullptr);

    // `strip`: the reel's strip picture; `targetCell` 1..21; `offsetCells`
    // the press from its ideal moment, early negative.
    void showPress(const QImage& strip, int targetCell, double offsetCells);
    void clear();

    // How far off the press is drawn, in cells from the target: beyond the
    // cells shown, the dashed frame waits at the edge with an arrow.
    double drawnOffsetCells() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage strip_;
    int targetCell_ = 0;  // 0: nothing shown
    double offsetCells_ = 0;
};
