#pragma once

#include <QPushButton>

namespace ui {

// A push button that Enter presses while it has the focus, in any window.
class Button : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui
