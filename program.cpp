#include "program.h"

#include "info_windows/form4.h"
#include "reel_window/riru.h"

#include <QApplication>

Program::Program(std::function<void()> quit) : quit_(std::move(quit))
{
    notice_ = std::make_unique<Form4>([this] { showReelWindow(); });
    // Closed without its OK, the notice leaves nothing to go on with.
    notice_->onClose([this] { end(); });
    notice_->open();
}

Program::~Program() = default;

void Program::showReelWindow()
{
    // The notice is gone for good; its own click is still running, so it is
    // deleted once that returns.
    notice_->hide();
    notice_.release()->deleteLater();
    riru_ = std::make_unique<Riru>([this] { end(); });
    riru_->open();
}

void Program::end()
{
    ended_ = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    quit_();
}
