#include "windows/pieces/marked_box.h"

#include "windows/pieces/cell_look.h"

#include <QPainter>

void drawMarkedBox(QPainter& painter, const QRectF& box, const QColor& face, const QString& mark)
{
    painter.save();
    painter.setPen(QPen(QColor(160, 160, 160), 1));
    painter.setBrush(face);
    painter.drawRect(box);
    painter.setPen(cell_look::textColourOn(face));
    painter.drawText(box, Qt::AlignCenter, mark);
    painter.restore();
}
