#pragma once

#include "ui/control.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;

namespace ui {

class Button;
class Picture;

// A fixed-size window built from its table of controls. Every control carries
// its table name as its Qt object name; looking up a name the table lacks, or
// a control of another kind, stops the program with a message saying which.
//
// Keyboard: TAB visits only the controls of the window's tab order, skipping
// disabled ones. A focused control that gets disabled keeps the focus's place
// instead of handing it on: Enter then presses nothing, and the next TAB goes
// on from there. A window that hides while active hands the keyboard back to
// the window that was active when it opened.
class Window : public QWidget {
    Q_OBJECT

public:
    explicit Window(const WindowDesign& design);

    Button* button(std::string_view name) const;
    QLabel* label(std::string_view name) const;
    QLineEdit* textBox(std::string_view name) const;
    Picture* picture(std::string_view name) const;

    void onClick(std::string_view buttonName, std::function<void()> handler);
    // What the frame's close box does; by default it hides the window.
    void onClose(std::function<void()> handler) { close_ = std::move(handler); }

    // Shows the window without blocking, where its table places it, with the
    // focus on its opening control.
    void open();

    // Runs `then` once, as soon as the window's first frame has been painted
    // and handed to the window system: for work that frame does not need.
    void afterFirstFrame(std::function<void()> then) { afterFirstFrame_ = std::move(then); }

protected:
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* control(std::string_view name) const;
    template <class Widget>
    Widget* controlOf(std::string_view name, const char* kind) const;
    QWidget* build(const Control& control);
    // The showing window this one opened from, or the one that opened from.
    QWidget* windowToReturnTo() const;

    // A copy: a design is a few views of the tables it names, which outlive it.
    const WindowDesign design_;
    QHash<QString, QWidget*> controls_;
    std::vector<QWidget*> tabOrder_;
    QPointer<QWidget> focusPlace_;  // where a control lost the focus by being disabled
    QPointer<QWidget> openedFrom_;  // the window active when this one last opened
    std::function<void()> close_;
    std::function<void()> afterFirstFrame_;
};

}  // namespace ui
