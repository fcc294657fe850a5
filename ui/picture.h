#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace ui {

// Shows a picture at its own size, never stretched. Its vertical place is set
// and read in twips; it stands where the screen can show it, in whole pixels,
// and reads back from there.
class Picture : public QWidget {
    Q_OBJECT

public:
    explicit Picture(QWidget* parent);

    void setPicture(const QImage& image);
    QImage picture() const { return pixmap_.toImage(); }
    void setTop(double twips);
    double top() const;

    // Where the window lets the picture be seen, top and bottom in twips;
    // elsewhere it lies under other controls. Only this band is then painted,
    // so that a move repaints neither the hidden parts nor the controls over them.
    void showOnlyBetween(double topTwips, double bottomTwips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QPixmap pixmap_;
    int top_ = 0;          // pixels: where the picture's top edge stands
    int bandTop_ = 0;      // pixels
    int bandBottom_ = -1;  // none: the whole picture shows
};

}  // namespace ui
