#pragma once

#include "ui/window.h"

#include <functional>

// The notice that opens the program: its name and a disclaimer. OK goes on
// to the reel window.
class Form4 : public ui::Window {
    Q_OBJECT

public:
    explicit Form4(std::function<void()> goOn);

private:
    void Command1_Click();

    std::function<void()> goOn_;
};
