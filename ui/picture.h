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
    void setTop(double twips);
    double top() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
};

}  // namespace ui
