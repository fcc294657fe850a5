#include "windows/drill/answer_button.h"

#include "ui/fonts.h"
#include "windows/drill/focus_outline.h"
#include "windows/pieces/cell_look.h"

#include <QPainter>

AnswerButton::AnswerButton(const QString& objectName, const QString& caption, const QColor& face, int digit,
                           QWidget* parent)
    : QPushButton(caption, parent), digit_(QString::number(digit))
{
    setObjectName(objectName);
    setAccessibleName(caption);
    shortcut_ = QStringLiteral("キー %1").arg(digit_);
    setAccessibleDescription(shortcut_);
    setToolTip(shortcut_);
    setAutoDefault(true);  // Enter answers with the button that has the focus
    setFont(ui::designFont(ui::bold(12)));
    setMinimumHeight(36);

    const QColor text = cell_look::textColourOn(face);
    QPalette colours = palette();
    colours.setColor(QPalette::Button, face);
    for (QPalette::ColorGroup state : {QPalette::Active, QPalette::Inactive})
        colours.setColor(state, QPalette::ButtonText, text);
    // Answered, the captions stay legible: half their contrast, without the
    // classic look's etched shadow, which smears on a coloured face.
    colours.setColor(QPalette::Disabled, QPalette::ButtonText,
                     QColor((face.red() + text.red()) / 2, (face.green() + text.green()) / 2,
                            (face.blue() + text.blue()) / 2));
    colours.setColor(QPalette::Disabled, QPalette::Light, face);
    setPalette(colours);
}

namespace {

constexpr int kInset = 6;
constexpr int kMarkWidth = 4;

QString markText(AnswerButton::Mark mark)
{
    switch (mark) {
    case AnswerButton::Mark::Right:
        return QStringLiteral("正解");
    case AnswerButton::Mark::Chosen:
        return QStringLiteral("あなたの答え");
    case AnswerButton::Mark::ChosenRight:
        return QStringLiteral("あなたの答え・正解");
    case AnswerButton::Mark::None:
        break;
    }
    return {};
}

QFont digitFont()
{
    return ui::designFont(ui::regular(9));
}

}  // namespace

void AnswerButton::setMark(Mark mark)
{
    mark_ = mark;
    const QString said = markText(mark);
    setAccessibleDescription(said.isEmpty() ? shortcut_ : shortcut_ + QStringLiteral("　") + said);
    update();
}

// Room for the digit on both sides, so that the caption stays centred clear of it.
QSize AnswerButton::sizeHint() const
{
    const QSize caption = QPushButton::sizeHint();
    return {caption.width() + 2 * (QFontMetrics(digitFont()).horizontalAdvance(digit_) + kInset), caption.height()};
}

void AnswerButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setFont(digitFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(kInset, 3, -kInset, -3), Qt::AlignTop | Qt::AlignLeft, digit_);
    if (mark_ != Mark::None) {
        // The right answer framed solid, the one chosen wrongly framed in
        // dashes and crossed in its corner; the marks stay legible on the
        // answered, greyed buttons.
        const QColor ink = palette().color(QPalette::Active, QPalette::ButtonText);
        QPen pen(ink, kMarkWidth, mark_ == Mark::Chosen ? Qt::DashLine : Qt::SolidLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(kMarkWidth / 2, kMarkWidth / 2, -kMarkWidth / 2, -kMarkWidth / 2));
        painter.setFont(ui::designFont(ui::bold(12)));
        painter.drawText(rect().adjusted(kInset, 3, -kInset, -3), Qt::AlignVCenter | Qt::AlignRight,
                         mark_ == Mark::Chosen ? QStringLiteral("×") : QStringLiteral("○"));
    }
    painter.end();
    paintFocusOutline(this, palette().color(QPalette::Button));
}
