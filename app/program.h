#pragma once

#include "core/game/game.h"

#include <functional>
#include <memory>

class DrillWindow;
class Form4;
class Riru;
class ReachMeTableWindow;
class SettingEstimateWindow;
class TimingWindow;

// The program's course: the notice first, then the reel window until the end.
class Program {
public:
    // quit leaves the event loop once every window is gone from the screen.
    explicit Program(std::function<void()> quit);
    ~Program();

    Form4* notice() const { return notice_.get(); }
    Riru* reelWindow() const { return riru_.get(); }
    // The reach-me table, once the reel window has opened it.
    ReachMeTableWindow* reachMeTable() const { return reachMeTable_.get(); }
    // The reach-me drill, or null until first opened.
    DrillWindow* drill() const { return drill_.get(); }
    // The setting estimate, or null until first opened.
    SettingEstimateWindow* settingEstimate() const { return settingEstimate_.get(); }
    // The timing drill, or null until first opened.
    TimingWindow* timing() const { return timing_.get(); }
    bool hasEnded() const { return ended_; }

private:
    void showReelWindow();
    void openReachMeTable();
    void openDrill();
    void openSettingEstimate();
    void openTiming();
    void end();

    std::function<void()> quit_;
    // The game every window shows and acts on; the reel window plays it.
    Game game_;
    std::unique_ptr<Form4> notice_;
    std::unique_ptr<Riru> riru_;
    // Declared after the reel window, which it places patterns on, so that it goes first.
    std::unique_ptr<ReachMeTableWindow> reachMeTable_;
    std::unique_ptr<DrillWindow> drill_;
    std::unique_ptr<SettingEstimateWindow> settingEstimate_;
    std::unique_ptr<TimingWindow> timing_;
    bool ended_ = false;
};
