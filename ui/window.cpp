#include "ui/window.h"

#include "ui/bring_to_front.h"
#include "ui/button.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/picture.h"
#include "ui/text.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace ui {

namespace {

// The colour a table gives, or none where the control keeps the standard one.
std::optional<QColor> colourOf(const Colour& colour)
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
    return std::nullopt;
}

// Pictures lie lowest, the lines over pictures and labels, and every button
// and box over them all.
int layerOf(Kind kind)
{
    switch (kind) {
    case Kind::PictureBox:
        return 0;
    case Kind::TextLabel:
        return 1;
    case Kind::StraightLine:
        return 2;
    case Kind::PushButton:
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

QWidget* makeWidget(const Control& control, QWidget* parent)
{
    switch (control.kind) {
    case Kind::PushButton:
        return new Button(qt(control.text), parent);
    case Kind::TextLabel: {
        auto* label = new Label(qt(control.text), parent);
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
        auto* box = new QLineEdit(qt(control.text), parent);
        box->setReadOnly(control.look.readOnly);
        box->setCursorPosition(0);  // opens showing the start of its text, not scrolled to its end
        return box;
    }
    case Kind::PictureBox:
        return new Picture(parent);
    case Kind::StraightLine:
        return new Line(parent);
    }
    return nullptr;
}

// A face colour holds in every state; a text colour only while the control is
// enabled, so that a disabled one still shows its text greyed.
void paint(QWidget* widget, const Control& control)
{
    QPalette palette = widget->palette();
    const bool button = control.kind == Kind::PushButton;
    if (const std::optional<QColor> face = colourOf(control.look.face))
        palette.setColor(button ? QPalette::Button : QPalette::Window, *face);
    if (const std::optional<QColor> text = colourOf(control.look.text))
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, button ? QPalette::ButtonText : QPalette::WindowText, *text);
    widget->setPalette(palette);
}

QRect placeOf(const Control& control)
{
    const int left = pixels(control.left);
    const int top = pixels(control.top);
    if (control.kind == Kind::StraightLine)  // one pixel across, from its start to its end
        return QRect(left, top, std::max(1, pixels(control.left + control.width) - left),
                     std::max(1, pixels(control.top + control.height) - top));
    return QRect(left, top, pixels(control.width), pixels(control.height));
}

}  // namespace

Window::Window(const WindowDesign& design) : QWidget(nullptr, flagsOf(design.frame)), design_(design)
{
    setObjectName(qt(design.name));
    // Left empty, the title bar would show the program's name instead; a blank
    // title shows nothing.
    setWindowTitle(design.title.empty() ? QStringLiteral(" ") : qt(design.title));
    setFixedSize(pixels(design.clientWidth), pixels(design.clientHeight));
    if (!design.icon.empty()) {
        const QPixmap icon(qt(design.icon));
        if (icon.isNull())
            qFatal("Window %s: its icon %s cannot be loaded; is it built into this program?",
                   qUtf8Printable(objectName()), qUtf8Printable(qt(design.icon)));
        setWindowIcon(QIcon(icon));
    }

    std::vector<const Control*> stacked;
    for (const Control& control : design.controls)
        stacked.push_back(&control);
    std::stable_sort(stacked.begin(), stacked.end(),
                     [](const Control* a, const Control* b) { return layerOf(a->kind) < layerOf(b->kind); });
    for (const Control* control : stacked)
        controls_.insert(qt(control->name), build(*control));

    for (std::string_view name : design.tabOrder) {
        QWidget* member = control(name);
        member->setFocusPolicy(Qt::StrongFocus);
        tabOrder_.push_back(member);
    }
}

QWidget* Window::build(const Control& control)
{
    QWidget* widget = makeWidget(control, this);
    widget->setObjectName(qt(control.name));
    widget->setGeometry(placeOf(control));
    if (auto* picture = qobject_cast<Picture*>(widget))
        picture->setTop(control.top);
    widget->setFont(designFont(control.font));
    widget->setFocusPolicy(control.kind == Kind::PushButton || control.kind == Kind::TextBox ? Qt::ClickFocus
                                                                                         : Qt::NoFocus);
    widget->setEnabled(control.state == Enabled);
    paint(widget, control);
    return widget;
}

// A misspelt name in a handler or a table is a fault of the program, found
// at once in every build rather than leaving a control that does nothing.
QWidget* Window::control(std::string_view name) const
{
    QWidget* widget = controls_.value(qt(name));
    if (!widget)
        qFatal("Window %s has no control named %s", qUtf8Printable(objectName()), qUtf8Printable(qt(name)));
    return widget;
}

template <class Widget>
Widget* Window::controlOf(std::string_view name, const char* kind) const
{
    auto* widget = qobject_cast<Widget*>(control(name));
    if (!widget)
        qFatal("Control %s of window %s is no %s", qUtf8Printable(qt(name)), qUtf8Printable(objectName()), kind);
    return widget;
}

Button* Window::button(std::string_view name) const
{
    return controlOf<Button>(name, "button");
}

QLabel* Window::label(std::string_view name) const
{
    return controlOf<QLabel>(name, "label");
}

QLineEdit* Window::textBox(std::string_view name) const
{
    return controlOf<QLineEdit>(name, "text box");
}

Picture* Window::picture(std::string_view name) const
{
    return controlOf<Picture>(name, "picture");
}

void Window::onClick(std::string_view buttonName, std::function<void()> handler)
{
    connect(button(buttonName), &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void Window::open()
{
    if (QWidget* active = QApplication::activeWindow(); active && active != this)
        openedFrom_ = active;
    if (design_.centred && !isVisible())
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    ui::bringToFront(this);
    if (!design_.focusOnOpening.empty())
        control(design_.focusOnOpening)->setFocus(Qt::OtherFocusReason);
}

// A window paints before its controls, and hands the whole frame to the
// window system when they are done: the timer fires after that.
void Window::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (afterFirstFrame_)
        QTimer::singleShot(0, this, std::exchange(afterFirstFrame_, {}));
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

// Without a window manager nothing gives the keyboard to another window, and
// a window manager may give it to any.
void Window::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous() || !(isActiveWindow() || QApplication::activeWindow() == nullptr))
        return;
    if (QWidget* back = windowToReturnTo())
        back->activateWindow();
}

QWidget* Window::windowToReturnTo() const
{
    QSet<const QWidget*> passed{this};
    QWidget* back = openedFrom_;
    while (back && !back->isVisible() && !passed.contains(back)) {
        passed.insert(back);
        const auto* hidden = qobject_cast<const Window*>(back);
        back = hidden ? hidden->openedFrom_.data() : nullptr;
    }
    return back && back->isVisible() ? back : nullptr;
}

}  // namespace ui
