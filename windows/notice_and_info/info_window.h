#pragma once

#include "ui/window.h"

// A window that is only its table and an OK button (Command1), such as the
// glossary and the operating guide. OK, Esc and the close box only hide it;
// it is shown again as it was.
class InfoWindow : public ui::Window {
    Q_OBJECT

public:
    explicit InfoWindow(const ui::WindowDesign& design);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();
};
