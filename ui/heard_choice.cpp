#include "ui/heard_choice.h"

#include <QComboBox>
#include <QKeyEvent>

namespace ui {
namespace {

constexpr char kDetail[] = "karetoValueDetail";

void describe(QComboBox* box)
{
    const QString detail = box->property(kDetail).toString();
    box->setAccessibleDescription(detail.isEmpty() ? box->currentText() : box->currentText() + QStringLiteral("、") + detail);
}

bool changesInPlace(const QKeyEvent* key)
{
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
    }
}

class ListInsteadOfInPlace : public QObject {
public:
    explicit ListInsteadOfInPlace(QComboBox* box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != box_ || event->type() != QEvent::KeyPress || !changesInPlace(static_cast<QKeyEvent*>(event)))
            return false;
        box_->showPopup();
        return true;
    }

private:
    QComboBox* box_;
};

}  // namespace

void hearValueOf(QComboBox* box)
{
    describe(box);
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] { describe(box); });
    box->installEventFilter(new ListInsteadOfInPlace(box));
}

void setValueDetail(QComboBox* box, const QString& detail)
{
    box->setProperty(kDetail, detail);
    describe(box);
}

}  // namespace ui
