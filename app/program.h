#pragma once

#include "core/game/game.h"
#include "windows/pieces/feature_window.h"

#include <QImage>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class Form4;
class Riru;

// The program's course: the notice first, then the reel window until the end,
// and beside it the windows of featureWindows(), each made when first opened.
class Program {
public:
    // quit leaves the event loop once every window is gone from the screen.
    explicit Program(std::function<void()> quit);
    ~Program();

    Form4* notice() const { return notice_.get(); }
    Riru* reelWindow() const { return riru_.get(); }

    // The window of that class beside the reel window, or null until first opened.
    template <class Window>
    Window* window() const
    {
        for (const std::unique_ptr<FeatureWindow>& opened : features_)
            if (auto* window = dynamic_cast<Window*>(opened.get()))
                return window;
        return nullptr;
    }
    bool hasEnded() const { return ended_; }

private:
    void showReelWindow();
    void openFeature(std::size_t entry);
    void end();

    std::function<void()> quit_;
    // The game every window shows and acts on; the reel window plays it.
    Game game_;
    // The reels' pictures, loaded as the reel window opens, for every window that draws reels.
    std::array<QImage, 3> strips_;
    std::unique_ptr<Form4> notice_;
    std::unique_ptr<Riru> riru_;
    // By entry of featureWindows(); declared after the reel window, which the
    // table places patterns on, so that they go first.
    std::vector<std::unique_ptr<FeatureWindow>> features_;
    bool ended_ = false;
};
