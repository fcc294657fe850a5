#pragma once

#include "core/evaluation/judgement.h"
#include "core/pattern.h"
#include "core/reels/reel_cells.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The rules of the reel window's game: three reels, the manual spin, one-cell
// stepping and auto play, and the judging of each pattern the reels stop at.
// The window binds its buttons and timers to the operations and shows what
// each one reports changed; any other window may read the state and place a
// pattern, and every listener is told what changed.
//
//   Game game;
//   game.addListener([](const Game::Changes& changes) { ... });
//   if (game.place({1, 17, 10}) == Game::Placing::Placed)  // only while the reels stand
//       game.judgement().yakumei;         // its commentary
//   game.mode();                          // Standing, Spinning or AutoPlaying
//   game.positions();                     // where the reels stand, as a Pattern
class Game {
public:
    enum class Mode { Standing, Spinning, AutoPlaying };

    struct Reel {
        std::int16_t koma = 0;   // cell index 0..21; 0 stands for what 21 shows
        std::int16_t teisi = 0;  // 1 once its stop button stopped it in this spin
        bool running = false;    // its timer moves it
        // The cell index whose place the strip stands at: koma, except that a
        // tick past 21 leaves the strip at 21's place while koma becomes 0.
        // None until the reel first moves: the strip stands at its design
        // place, which reads as position 1.
        std::optional<std::int16_t> shownIndex;
    };

    // What an operation changed, in the order a window shows it.
    struct Changes {
        std::optional<std::u16string> speedBoxText;     // the step-interval box is to show this
        std::optional<std::u16string> stopTimeBoxText;  // the stop-time box is to show this
        bool stepIntervalSet = false;                   // the reel timers take timint()
        bool stopTimeSet = false;                       // the auto-play timer takes stopTime()
        std::array<bool, 3> moved{};                    // reels whose strip now stands elsewhere
        bool cleared = false;                           // the cheer and the commentary are emptied
        bool readOut = false;                           // a pattern was judged: its read-out to show
        bool result = false;                            // and then its cheer and commentary
        bool running = false;                           // the mode or a reel's running changed
    };
    using Listener = std::function<void(const Changes&)>;

    enum class Start { Started, NotStanding, BadStepInterval, BadStopTime };
    // Why a pattern was not placed, or that it was.
    enum class Placing { Placed, Spinning, AutoPlaying, OffTheReels };

    Mode mode() const { return mode_; }
    const Reel& reel(reel::Reel which) const { return reels_[which]; }
    // The upper-row positions where the strips stand.
    Pattern positions() const;
    std::int16_t timint() const { return timint_; }      // reel step interval, ms
    std::int16_t stopTime() const { return stopTime_; }  // auto play's stop time, ms
    // The last judged pattern, as its read-out shows it, and its commentary
    // (yakumei) and cheer (tamaya); before the first, 1-1-1 and no texts.
    const Pattern& judged() const { return jyoudan_; }
    const Judgement& judgement() const { return judgement_; }

    // Listeners are told in the order they were added; the number removes one.
    int addListener(Listener listener);
    void removeListener(int number);

    // The operations. Each acts only in the mode it belongs to and otherwise
    // changes nothing and answers false (NotStanding for the starts).

    // Standing: sets every reel spinning at the step interval the box text
    // gives. A text that is no interval refuses the start and changes nothing.
    Start start(std::u16string_view speedText);
    // A running reel moves one cell down.
    bool tick(reel::Reel which);
    // Spinning: a running reel stops where it stands; the third stop judges
    // the pattern and the reels stand.
    bool stop(reel::Reel which);
    // Standing: a reel moves one cell, and the new pattern is judged.
    bool stepUp(reel::Reel which);
    bool stepDown(reel::Reel which);
    // Standing: auto play at the box texts' step interval and stop time, both
    // read before anything changes.
    Start startAuto(std::u16string_view speedText, std::u16string_view stopTimeText);
    // Auto playing: the next step of the cycle.
    bool autoTick();
    // Auto playing: every reel stands where it is.
    bool stopAuto();
    // Standing: puts the reels at a pattern and judges it as a step does.
    Placing place(const Pattern& pattern);

private:
    void showMoved(std::initializer_list<reel::Reel> moved);
    void yaku();
    void setRunning(bool running);
    void notify(const Changes& changes);

    std::array<Reel, 3> reels_{};
    Mode mode_ = Mode::Standing;
    std::int16_t timgoukei_ = 0;  // reels stopped in this spin
    std::int16_t timint_ = 0;
    std::int16_t stopTime_ = 0;
    std::int16_t autokaisu_ = 0;  // step of the auto-play cycle, 0..5
    Pattern jyoudan_;        // jyoudan, "upper row": the positions the last yaku read
    Judgement judgement_{};  // and what they mean
    std::vector<std::pair<int, Listener>> listeners_;
    int lastListener_ = 0;
};
