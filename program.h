#pragma once

#include <functional>
#include <memory>

class Form4;
class Riru;

// The program's course: the notice first, then the reel window until the end.
class Program {
public:
    // quit leaves the event loop once every window is gone from the screen.
    explicit Program(std::function<void()> quit);
    ~Program();

    Form4* notice() const { return notice_.get(); }
    Riru* reelWindow() const { return riru_.get(); }
    bool hasEnded() const { return ended_; }

private:
    void showReelWindow();
    void end();

    std::function<void()> quit_;
    std::unique_ptr<Form4> notice_;
    std::unique_ptr<Riru> riru_;
    bool ended_ = false;
};
