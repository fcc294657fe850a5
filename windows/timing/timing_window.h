#pragma once

#include "core/drill/seeded_random.h"
#include "core/timing/event_clock.h"
#include "core/timing/press_result.h"
#include "core/timing/press_statistics.h"
#include "history/timing/timing_history.h"
#include "windows/pieces/feature_window.h"
#include "windows/timing/timing_clock.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class OffsetHistogram;
class SpinningReelView;
class StatisticsTable;

// 目押し練習: one reel turns at the chosen speed until the player stops it on
// the target the window names; the window says how many cells early or late
// the stop landed and how far the press was from its ideal moment, and keeps
// statistics of every press in the program's history.
//
// Keys: Space, Z, X, C, ←, ↓, → stop the turning reel, whichever control
// has the focus; once it stands, Enter or Space starts the next target.
class TimingWindow : public FeatureWindow {
    Q_OBJECT

public:
    // `strips`: the reel window's strip pictures, left to right. `seed` fixes
    // the targets and where the reels stand at first.
    TimingWindow(std::array<QImage, 3> strips, TimingHistory history, std::uint64_t seed,
                 TimingClock clock = TimingClock::system());

    // What is asked now, and how the asked reel turns (or last turned).
    const timing::Target& target() const { return target_; }
    const timing::ReelSpin& spin() const { return spin_; }
    bool isSpinning() const;

    // The asked reel's view, which paints every frame while it turns.
    SpinningReelView* askedReel() const { return reels_[target_.reel]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls(std::array<QImage, 3> strips);
    void startTarget();
    void stopAt(std::int64_t pressUs);
    void pressed(quint64 timestampMs);
    void goOn();
    void chooseReels();
    void changeSpeed(int rpm);
    void showStatistics();
    void runFrames();
    void record(const PressRecord& press);
    void sayProblem();

    TimingClock clock_;
    TimingHistory history_;
    SeededRandom random_;
    timing::EventClock eventClock_;
    timing::PressStatistics statistics_;
    timing::Target target_;
    timing::ReelSpin spin_;
    QTimer* frames_ = nullptr;

    std::array<SpinningReelView*, 3> reels_{};
    QSpinBox* rpm_ = nullptr;
    QComboBox* reelChoice_ = nullptr;
    QSpinBox* slip_ = nullptr;
    QLabel* targetLabel_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* next_ = nullptr;
    StatisticsTable* table_ = nullptr;
    OffsetHistogram* histogram_ = nullptr;
    QLabel* hint_ = nullptr;
};
