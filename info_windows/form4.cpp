#include "info_windows/form4.h"

#include "info_windows/form4_layout.h"

Form4::Form4(std::function<void()> goOn) : ui::Window(kForm4Window), goOn_(std::move(goOn))
{
    onClick("Command1", [this] { Command1_Click(); });
}

void Form4::Command1_Click()
{
    goOn_();
}
