#include "windows/reach_me_table/axis_corner.h"

#include "windows/pieces/header_drawing.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QTableView>

namespace {

// Draws the axes' names over the table's corner button, which draws only a
// blank header section of its own.
class AxisNames : public QWidget {
public:
    explicit AxisNames(QWidget* corner) : QWidget(corner)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        corner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::ButtonText));
        header_drawing::drawAxisNames(painter, rect());
    }
};

}  // namespace

void nameAxesInCorner(QTableView* grid)
{
    // The view's only button child is the corner it draws where the headers meet.
    auto* corner = grid->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (!corner)
        return;
    (new AxisNames(corner))->setGeometry(corner->rect());
    corner->setAccessibleName(QStringLiteral("右リール →、中リール ↓"));
    corner->setToolTip(QStringLiteral("行は中リール、列は右リールの上段の位置"));
}
