#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// A box in a group's colour with the group's mark in the middle, in the text
// colour that reads best on it: a grid cell on paper, a legend swatch anywhere.
void drawMarkedBox(QPainter& painter, const QRectF& box, const QColor& face, const QString& mark);
