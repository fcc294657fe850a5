#include "ui/window.h"

#include "ui/button.h"
#include "ui/fonts.h"
#include "ui/line.h"
#include "ui/picture.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace ui {

namespace {

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor colourOf(const Colour& colour, const QColor& standard)
{
    switch (colour.source) {
    case Colour::Rgb:
        return QColor(colour.r, colour.g, colour.b);
    case Colour::TooltipBackground:
        return QGuiApplication::palette().color(QPalette::ToolTipBase);
    case Colour::MenuText:
        return QGuiApplication::palette().color(QPalette::WindowText);
    case Colour::Standard:
        break;
    }
    return standard;
}

// Pictures lie lowest, the lines over pictures and labels, and every button
// and box over them all.
int layerOf(Kind kind)
{
    switch (kind) {
    case Kind::Picture:
        return 0;
    case Kind::Label:
        return 1;
    case Kind::Line:
        return 2;
    case Kind::Button:
    case Kind::TextBox:
        break;
    }
    return 3;
}

Qt::WindowFlags flagsOf(Frame frame)
{
    switch (frame) {
    case Frame::FixedDialog:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case Frame::FixedDialogNoTitle:
        break;
    }
    return Qt::Dialog | Qt::CustomizeWindowHint;
}

QString withoutTrailingSpaces(QString line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

// Breaks one paragraph into lines no wider than `width`, only where the text
// may break. With `atSpaces`, a line that has to break does so after its last
// run of spaces, or else after its last space.
QStringList wrapped(const QString& paragraph, const QFontMetrics& metrics, int width, bool atSpaces)
{
    std::vector<qsizetype> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, paragraph);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        breaks.push_back(at);

    const qsizetype size = paragraph.size();
    QStringList lines;
    qsizetype start = 0;
    auto next = breaks.begin();
    while (start < size) {
        qsizetype fit = -1, afterRun = -1, afterSpace = -1;
        for (auto at = next; at != breaks.end(); ++at) {
            const QString line = withoutTrailingSpaces(paragraph.mid(start, *at - start));
            if (fit != -1 && metrics.horizontalAdvance(line) > width)
                break;
            fit = *at;
            next = at + 1;
            if (fit < size && paragraph[fit - 1] == u' ' && !line.isEmpty()) {
                afterSpace = fit;
                if (paragraph[fit - 2] == u' ')
                    afterRun = fit;
            }
        }
        qsizetype end = fit;
        if (atSpaces && end < size)
            end = afterRun != -1 ? afterRun : afterSpace != -1 ? afterSpace : end;
        while (next != breaks.begin() && *(next - 1) > end)
            --next;
        lines << withoutTrailingSpaces(paragraph.mid(start, end - start));
        start = end;
    }
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

// The texts pad with spaces where they want a new line, so a line that has
// to break breaks after its spaces; unless that would cost the text a line.
QString wrappedText(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    for (QString paragraph : text.split(u'\n')) {
        if (paragraph.endsWith(u'\r'))
            paragraph.chop(1);
        const QStringList plain = wrapped(paragraph, metrics, width, false);
        const QStringList atSpaces = wrapped(paragraph, metrics, width, true);
        lines += atSpaces.size() <= plain.size() ? atSpaces : plain;
    }
    return lines.join(u'\n');
}

// A plain-text label that wraps as above, drawn where and as QLabel draws.
class Label : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        int inset = indent();
        if (inset < 0 && frameWidth() > 0)  // a framed label keeps half an "x" off its frame
            inset = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
        if (inset > 0) {
            if (align & Qt::AlignLeft)
                area.setLeft(area.left() + inset);
            if (align & Qt::AlignRight)
                area.setRight(area.right() - inset);
            if (align & Qt::AlignTop)
                area.setTop(area.top() + inset);
            if (align & Qt::AlignBottom)
                area.setBottom(area.bottom() - inset);
        }
        style()->drawItemText(&painter, area, static_cast<int>(align), palette(), isEnabled(),
                              wrappedText(text(), fontMetrics(), area.width()), foregroundRole());
    }
};

QWidget* makeWidget(const Control& control, QWidget* parent)
{
    switch (control.kind) {
    case Kind::Button:
        return new Button(qtext(control.text), parent);
    case Kind::Label: {
        auto* label = new Label(qtext(control.text), parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignTop |
                            (control.look.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
        if (control.look.bordered)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(qtext(control.text), parent);
        box->setReadOnly(control.look.readOnly);
        box->setCursorPosition(0);  // opens showing the start of its text, not scrolled to its end
        return box;
    }
    case Kind::Picture:
        return new Picture(parent);
    case Kind::Line:
        return new Line(parent);
    }
    return nullptr;
}

void paint(QWidget* widget, const Control& control)
{
    QPalette palette = widget->palette();
    const QPalette::ColorRole faceRole = control.kind == Kind::Button ? QPalette::Button : QPalette::Window;
    const QPalette::ColorRole textRole = control.kind == Kind::Button ? QPalette::ButtonText : QPalette::WindowText;
    palette.setColor(faceRole, colourOf(control.look.face, palette.color(faceRole)));
    palette.setColor(textRole, colourOf(control.look.text, palette.color(textRole)));
    widget->setPalette(palette);
}

QRect placeOf(const Control& control)
{
    const int left = pixels(control.left);
    const int top = pixels(control.top);
    if (control.kind == Kind::Line)  // one pixel across, from its start to its end
        return QRect(left, top, std::max(1, pixels(control.left + control.width) - left),
                     std::max(1, pixels(control.top + control.height) - top));
    return QRect(left, top, pixels(control.width), pixels(control.height));
}

}  // namespace

Window::Window(const WindowSpec& spec) : QWidget(nullptr, flagsOf(spec.frame)), spec_(spec)
{
    setObjectName(qtext(spec.name));
    setWindowTitle(qtext(spec.title));
    setFixedSize(pixels(spec.clientWidth), pixels(spec.clientHeight));
    if (spec.hasIcon)
        setWindowIcon(QIcon(QStringLiteral(":/pictures/kareto-32.png")));

    std::vector<const Control*> stacked;
    for (const Control& control : spec.controls)
        stacked.push_back(&control);
    std::stable_sort(stacked.begin(), stacked.end(),
                     [](const Control* a, const Control* b) { return layerOf(a->kind) < layerOf(b->kind); });
    for (const Control* control : stacked)
        controls_.insert(qtext(control->name), build(*control));

    for (std::string_view name : spec.tabOrder) {
        QWidget* member = control(name);
        member->setFocusPolicy(Qt::StrongFocus);
        tabOrder_.push_back(member);
    }
}

QWidget* Window::build(const Control& control)
{
    QWidget* widget = makeWidget(control, this);
    widget->setObjectName(qtext(control.name));
    widget->setGeometry(placeOf(control));
    widget->setFont(designFont(control.font));
    widget->setFocusPolicy(control.kind == Kind::Button || control.kind == Kind::TextBox ? Qt::ClickFocus
                                                                                         : Qt::NoFocus);
    widget->setEnabled(control.state == Enabled);
    paint(widget, control);
    return widget;
}

QWidget* Window::control(std::string_view name) const
{
    QWidget* widget = controls_.value(qtext(name));
    Q_ASSERT_X(widget, "ui::Window", "no control of that name");
    return widget;
}

Button* Window::button(std::string_view name) const
{
    return qobject_cast<Button*>(control(name));
}

QLabel* Window::label(std::string_view name) const
{
    return qobject_cast<QLabel*>(control(name));
}

QLineEdit* Window::textBox(std::string_view name) const
{
    return qobject_cast<QLineEdit*>(control(name));
}

Picture* Window::picture(std::string_view name) const
{
    return qobject_cast<Picture*>(control(name));
}

void Window::onClick(std::string_view buttonName, std::function<void()> handler)
{
    connect(button(buttonName), &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void Window::open()
{
    if (spec_.centred && !isVisible())
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    if (!spec_.focusOnOpening.empty())
        control(spec_.focusOnOpening)->setFocus(Qt::OtherFocusReason);
}

bool Window::focusNextPrevChild(bool next)
{
    QWidget* current = focusWidget();
    if (current && current != this && !current->isEnabled()) {
        focusPlace_ = current;
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    QWidget* from = current == this || current == nullptr ? focusPlace_.data() : current;
    const auto count = static_cast<int>(tabOrder_.size());
    const auto found = std::find(tabOrder_.begin(), tabOrder_.end(), from);
    int at = found == tabOrder_.end() ? (next ? -1 : count) : static_cast<int>(found - tabOrder_.begin());
    for (int step = 0; step < count; ++step) {
        at = (at + (next ? 1 : -1) + count) % count;
        QWidget* candidate = tabOrder_[static_cast<std::size_t>(at)];
        if (candidate->isEnabled() && candidate->isVisible()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

void Window::closeEvent(QCloseEvent* event)
{
    if (close_) {
        event->ignore();
        close_();
        return;
    }
    QWidget::closeEvent(event);
}

void enable(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->setEnabled(true);
}

void disable(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->setEnabled(false);
}

}  // namespace ui
