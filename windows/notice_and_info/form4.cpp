#include "windows/notice_and_info/form4.h"

#include "windows/notice_and_info/form4_layout.h"

Form4::Form4(std::function<void()> goOn) : ui::Window(kForm4Window), goOn_(std::move(goOn))
{
    onClick("Command1", [this] { Command1_Click(); });
}

void Form4::Command1_Click()
{
    goOn_();
}
