#include "ui/line.h"

#include <QPainter>

namespace ui {

Line::Line(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().color(QPalette::WindowText));
}

}  // namespace ui
