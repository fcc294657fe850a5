#pragma once

#include "core/play/play_session.h"
#include "core/random/seeded_random.h"
#include "core/timing/event_clock.h"
#include "core/timing/reel_spin.h"
#include "history/play/play_history.h"
#include "windows/pieces/feature_window.h"
#include "windows/pieces/timing_clock.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
namespace ui {
class HeardLine;
class Timer;
}
class OddsTable;
class ReelFrames;
class ScoreBoard;
class SettingGuess;
class SpinningReelView;

// 実戦モード: the machine as it is played. The lever starts a game: the
// lottery draws its flag at the setting in play (hidden unless the player
// chose it) while no bonus is held, and the three reels turn at the
// machine's speed. Each stop key stops its reel, in any order: the press,
// timed by the key's own time stamp, lands on the first cell to stand
// aligned at or after it, the reel control chooses how far the reel slides
// on from there, and the reel turns on to that stop and stands. Once all
// three stand the pattern is read out (and, if asked, explained). ボーナス！
// calls a bonus the player believes held, and is answered at once. The
// session counts the games, the bonuses lined up and the three skills'
// scores; at its end the player guesses the setting and sees the estimate
// from the counts beside the setting in play. Every game and call is kept
// in the program's history.
//
// Keys, whichever control has the focus: Space pulls the lever; Z X C and
// ← ↓ → stop the left, center and right reel, and never change a box; B
// calls; once the session ends, 1 to 6 guess the setting.
class PlayWindow : public FeatureWindow {
    Q_OBJECT

public:
    // `strips`: the reel window's strip pictures, left to right. `seed`
    // fixes the sessions' lotteries, their hidden settings and where the
    // reels stand at first.
    PlayWindow(std::array<QImage, 3> strips, PlayHistory history, std::uint64_t seed,
               TimingClock clock = TimingClock::system());

    const play::PlaySession& session() const { return *session_; }
    // A game under way: a reel turns, or turns on to its stop.
    bool isPlaying() const { return phase_ == Phase::Playing; }
    // The session has ended: the guess is asked, or its result shown.
    bool sessionEnded() const { return phase_ == Phase::Guessing || phase_ == Phase::Guessed; }
    // How a reel turns in the game under way, or turned in the last one.
    const timing::ReelSpin& spin(reel::Reel which) const { return spins_[which]; }
    SpinningReelView* reelView(reel::Reel which) const { return reels_[which]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Phase { Ready, Playing, Guessing, Guessed };

    void buildControls(std::array<QImage, 3> strips);
    QWidget* buildSettings();
    QWidget* buildAssumptions();
    void startSession();
    void pullLever();
    void stopReel(reel::Reel which, quint64 timestampMs);
    void standWhenDue();
    void gameStood();
    void callBonus();
    void endSession();
    void guess(int setting);
    void goToNewSession();
    void chooseSetting();
    void changeOdds(const play::SmallPrizeOdds& odds);
    void showCommentary();
    void showSettingInPlay();
    void showCounts();
    void showScores();
    void showPastPlay();
    void enableControls();
    void recordGame();
    void sayProblem();

    TimingClock clock_;
    PlayHistory history_;
    SeededRandom random_;
    timing::EventClock eventClock_;
    std::optional<play::PlaySession> session_;
    Phase phase_ = Phase::Ready;
    bool settingChosen_ = false;  // the session's setting was chosen by the player, so it is shown
    std::optional<bool> guessedRight_;  // once the session's setting is guessed
    PastPlay past_;                     // the sessions kept before this one
    play::Scores shownScores_;          // this session's, as last shown
    bool drawn_ = false;  // the lottery drew this game's flag: no bonus was held at its start
    std::array<timing::ReelSpin, 3> spins_{};
    std::array<int, 3> slides_{};
    std::array<reel::Reel, 3> order_{};  // the reels stopped so far, in order
    ReelFrames* frames_ = nullptr;
    ui::Timer* stand_ = nullptr;

    std::array<SpinningReelView*, 3> reels_{};
    std::array<QPushButton*, 3> stops_{};
    QPushButton* lever_ = nullptr;
    QPushButton* call_ = nullptr;
    ui::HeardLine* readout_ = nullptr;
    ui::HeardLine* callAnswer_ = nullptr;
    ui::HeardLine* commentary_ = nullptr;
    QCheckBox* commentaryShown_ = nullptr;
    ScoreBoard* scores_ = nullptr;
    QComboBox* setting_ = nullptr;
    QLabel* settingInPlay_ = nullptr;
    QSpinBox* sessionGames_ = nullptr;
    QPushButton* endSession_ = nullptr;
    OddsTable* odds_ = nullptr;
    QLabel* oddsNote_ = nullptr;
    SettingGuess* guess_ = nullptr;
    QLabel* pastPlay_ = nullptr;
};
