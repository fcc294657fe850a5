#include "ui/picture.h"

#include "ui/twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace ui {

Picture::Picture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Picture::setPicture(const QImage& image)
{
    pixmap_ = QPixmap::fromImage(image);
    place();
    update();
}

void Picture::setTop(double twips)
{
    top_ = pixels(twips);
    place();
    update();
}

double Picture::top() const
{
    return top_ * kTwipsPerPixel;
}

void Picture::showOnlyBetween(double topTwips, double bottomTwips)
{
    bandTop_ = pixels(topTwips);
    bandBottom_ = pixels(bottomTwips);
    place();
}

void Picture::place()
{
    const QRect whole(x(), top_, pixmap_.width(), pixmap_.height());
    if (bandBottom_ < bandTop_)
        setGeometry(whole);
    else
        setGeometry(x(), bandTop_, pixmap_.width(), bandBottom_ - bandTop_);
}

void Picture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPoint origin(0, top_ - y());
    const QRect shown = event->rect();
    const QRect drawn = shown.intersected(pixmap_.rect().translated(origin));
    if (drawn != shown)  // the band reaches past a short picture
        painter.fillRect(shown, palette().color(QPalette::Window));
    painter.drawPixmap(drawn, pixmap_, drawn.translated(-origin));
}

}  // namespace ui
