#pragma once

#include "core/random/seeded_random.h"
#include "core/timing/event_clock.h"
#include "core/timing/press_result.h"
#include "core/timing/press_statistics.h"
#include "history/timing/timing_history.h"
#include "windows/pieces/feature_window.h"
#include "windows/pieces/timing_clock.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
namespace ui {
class HeardLine;
class Timer;
}
class OffsetHistogram;
class ReelFrames;
class PressStill;
class SpinningReelView;
class StatisticsTable;

// 目押し練習: one reel turns at the chosen speed until the player stops it on
// the target the window names. From the press the reel turns on to its stop
// and stands; then the window says how many cells early or late the stop
// landed and how far the press was from its ideal moment, draws the press
// against the target, and moves the focus to 次へ with the result as its
// description, which a screen reader speaks. Every press is kept in the
// program's history, and the statistics of all of them are shown.
//
// Keys: Space, Z, X, C, ←, ↓, → stop the turning reel, whichever control
// has the focus, and never change a box; once it stands, Enter or Space
// starts the next target, with the focus on the reel that turns for it;
// the target line is heard as it changes.
class TimingWindow : public FeatureWindow {
    Q_OBJECT

public:
    // `strips`: the reel window's strip pictures, left to right. `seed` fixes
    // the targets and where the reels stand at first.
    TimingWindow(std::array<QImage, 3> strips, TimingHistory history, std::uint64_t seed,
                 TimingClock clock = TimingClock::system());

    // What is asked now, and how the asked reel turns (or last turned), with
    // its stop once pressed.
    const timing::Target& target() const { return target_; }
    const timing::ReelSpin& spin() const { return spin_; }
    // Turning and waiting for a press.
    bool isSpinning() const { return phase_ == Phase::Turning; }
    // Pressed, turning on to its stop.
    bool isSliding() const { return phase_ == Phase::Sliding; }

    // The asked reel's view, which paints every frame while it turns.
    SpinningReelView* askedReel() const { return reels_[target_.reel]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Phase { Turning, Sliding, Standing };

    void buildControls(std::array<QImage, 3> strips);
    void startTarget(bool focusReel);
    void pressed(quint64 timestampMs);
    void standWhenDue();
    void stand();
    void goOn();
    void chooseReels();
    void changeSpeed(int rpm);
    void showStatistics();
    void record(const PressRecord& press);
    void sayProblem();

    TimingClock clock_;
    TimingHistory history_;
    SeededRandom random_;
    timing::EventClock eventClock_;
    timing::PressStatistics statistics_;
    timing::Target target_;
    timing::ReelSpin spin_;
    Phase phase_ = Phase::Standing;
    timing::PressResult press_;  // the last press, shown once the reel stands
    ReelFrames* frames_ = nullptr;
    ui::Timer* stand_ = nullptr;

    std::array<SpinningReelView*, 3> reels_{};
    QSpinBox* rpm_ = nullptr;
    QComboBox* reelChoice_ = nullptr;
    QSpinBox* slip_ = nullptr;
    ui::HeardLine* targetLabel_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* next_ = nullptr;
    PressStill* still_ = nullptr;
    StatisticsTable* table_ = nullptr;
    OffsetHistogram* histogram_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* earlierRuleNote_ = nullptr;  // says once that presses under the earlier rule are left out
};
