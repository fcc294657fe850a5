#pragma once

#include <QHeaderView>

// A header of the reach-me grid that shows each position with the reel's
// three cells there, the picture the model gives as the section's decoration.
class ReelHeaderView : public QHeaderView {
    Q_OBJECT

public:
    explicit ReelHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
};
