#include "windows/pieces/reel_frames.h"

#include "windows/pieces/spinning_reel_view.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFallbackHz = 60;

// The refresh interval of the window's screen, rounded down to whole ms, so
// that no refresh passes without a new frame.
int frameIntervalMs(const QWidget* window)
{
    const QScreen* screen = window->screen();
    const double hz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : kFallbackHz;
    return std::max(1, static_cast<int>(std::floor(1000.0 / hz)));
}

}  // namespace

ReelFrames::ReelFrames(QWidget* window, std::vector<SpinningReelView*> reels)
    : QObject(window), window_(window), reels_(std::move(reels)), timer_(new QTimer(window))
{
    timer_->setObjectName(QStringLiteral("frames"));
    timer_->setTimerType(Qt::PreciseTimer);
    // Painted at the tick itself: update() would leave it to the window
    // system's own few-ms wait, which varies, and frames would land unevenly.
    connect(timer_, &QTimer::timeout, this, [this] {
        for (SpinningReelView* reel : reels_)
            if (reel->isSpinning())
                reel->repaint();
    });
    window->installEventFilter(this);
}

bool ReelFrames::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        follow();
    return false;
}

void ReelFrames::follow()
{
    const bool turning = std::any_of(reels_.begin(), reels_.end(), [](const SpinningReelView* reel) { return reel->isSpinning(); });
    if (window_->isVisible() && turning) {
        timer_->setInterval(frameIntervalMs(window_));
        if (!timer_->isActive())
            timer_->start();
    } else {
        timer_->stop();
    }
}
