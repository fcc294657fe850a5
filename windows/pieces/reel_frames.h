#pragma once

#include <QObject>

#include <vector>

class QTimer;
class QWidget;
class SpinningReelView;

// The frames of a window's turning reels: every reel that turns, or turns on
// to its stop, is painted at each refresh of the window's screen while the
// window is seen, and nothing is painted while all stand.
class ReelFrames : public QObject {
    Q_OBJECT

public:
    // The timer is the window's child named "frames".
    ReelFrames(QWidget* window, std::vector<SpinningReelView*> reels);

    // Starts or stops the frames as the reels start or stand: call after
    // each such change. The window's showing and hiding it follows itself.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::vector<SpinningReelView*> reels_;
    QTimer* timer_;
};
