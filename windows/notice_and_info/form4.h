#pragma once

#include "ui/window.h"

#include <functional>

// The notice that opens the program: its name and a disclaimer. OK goes on
// to the reel window.
class Form4 : public ui::Window {
    Q_OBJECT

public:
    explicit Form4(std::function<void()> goOn);

    void Command1_Click();

private:
    std::function<void()> goOn_;
};
