#include "windows/reach_me_table/axis_corner.h"

#include "core/reels/symbols_in_words.h"
#include "ui/text.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QTableView>

namespace {

// Draws the axes' names over the table's corner button, which draws only a
// blank header section of its own.
class AxisNames : public QWidget {
public:
    static constexpr const char* kName = "axisNames";

    AxisNames(QWidget* corner, const header_drawing::Axes& axes) : QWidget(corner), axes_(axes)
    {
        setObjectName(QLatin1String(kName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        corner->installEventFilter(this);
    }

    void setAxes(const header_drawing::Axes& axes)
    {
        axes_ = axes;
        update();
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
        header_drawing::drawAxisNames(painter, rect(), axes_);
    }

private:
    header_drawing::Axes axes_;
};

}  // namespace

void nameAxesInCorner(QTableView* grid, const header_drawing::Axes& axes)
{
    // The view's only button child is the corner it draws where the headers meet.
    auto* corner = grid->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (!corner)
        return;
    // Named again, the corner keeps its one drawing of the names.
    if (auto* named = corner->findChild<QWidget*>(QLatin1String(AxisNames::kName), Qt::FindDirectChildrenOnly))
        static_cast<AxisNames*>(named)->setAxes(axes);
    else
        (new AxisNames(corner, axes))->setGeometry(corner->rect());
    corner->setAccessibleName(header_drawing::acrossName(axes) + QStringLiteral("、") + header_drawing::downName(axes));
    corner->setToolTip(axesDescription(axes));
}

QString axesDescription(const header_drawing::Axes& axes)
{
    return QStringLiteral("行は%1、列は%2の上段の位置")
        .arg(ui::qt(reel::nameOf(axes.down)), ui::qt(reel::nameOf(axes.across)));
}
