#include "ui/heard_line.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ui {
namespace {

// A heard line reads as its text, in the role screen readers announce.
class HeardLineAccessible : public QAccessibleWidget {
public:
    explicit HeardLineAccessible(HeardLine* line) : QAccessibleWidget(line, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const HeardLine*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* heardLineAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("ui::HeardLine") && object->isWidgetType())
        return new HeardLineAccessible(static_cast<HeardLine*>(object));
    return nullptr;
}

}  // namespace

HeardLine::HeardLine(QWidget* parent) : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(heardLineAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setTextFormat(Qt::PlainText);
}

void HeardLine::say(const QString& words)
{
    setText(words);
    if (!isVisible())
        return;
    // Hidden and shown again for assistive technology only: nothing on the
    // screen moves, and the reader presents the notification that appeared.
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace ui
