#pragma once

#include "ui/window.h"

// The operating guide: inactive copies of the reel window's controls, each explained.
// OK and the close box only hide it; it is shown again as it was.
class Fsousa : public ui::Window {
    Q_OBJECT

public:
    Fsousa();

    void Command1_Click();
};
