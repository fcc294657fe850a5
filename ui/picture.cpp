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
    resize(pixmap_.size());
    update();
}

void Picture::setTop(double twips)
{
    move(x(), pixels(twips));
}

double Picture::top() const
{
    return y() * kTwipsPerPixel;
}

void Picture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawPixmap(event->rect(), pixmap_, event->rect());
}

}  // namespace ui
