#include "windows/drill/focus_outline.h"

#include "windows/pieces/cell_look.h"

#include <QPainter>
#include <QWidget>

namespace {

constexpr int kOutlineWidth = 3;

}  // namespace

void paintFocusOutline(QWidget* button, const QColor& face)
{
    if (!button->hasFocus())
        return;
    QPainter painter(button);
    QPen pen(cell_look::textColourOn(face), kOutlineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(button->rect().adjusted(kOutlineWidth, kOutlineWidth, -kOutlineWidth, -kOutlineWidth));
}
