#pragma once

#include "ui/window.h"

// The glossary of the commentary's terms.
// OK and the close box only hide it; it is shown again as it was.
class Fkaisetu : public ui::Window {
    Q_OBJECT

public:
    Fkaisetu();

    void Command1_Click();
};
