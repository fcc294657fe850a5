#pragma once

#include "core/play/lottery.h"
#include "core/play/play_game.h"
#include "core/random/seeded_random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A session at the machine: the setting in play, the bonus held from game to
// game, and what the player saw and called.
//
// Each game starts with the lottery while no bonus is held; a drawn bonus is
// then held, and is the flag of every game until it is lined up (its own
// game included). While a bonus is held nothing is drawn: no new bonus and,
// unlike the machine, no small prize either (the grids give no table for a
// game with two flags). The bonus's own paying games are not played: the
// game after the line-up draws again.
namespace play {

struct SessionSetup {
    int setting = 0;         // 1..6, or 0 to draw it from the seed
    std::uint64_t seed = 0;  // the lottery's, and the drawn setting's
    SmallPrizeOdds odds{};   // must have no fault
};

struct SessionCounts {
    std::int64_t games = 0;      // games started
    std::int64_t gamesFree = 0;  // of them, started with no bonus held: the lottery drew
    std::array<std::int64_t, kFlagCount> drawn{};  // the lottery's draws by flag
    // Finished games by their flag (the bonus held, or the flag drawn) and
    // the outcome code of the pattern the reels stood on.
    std::array<std::array<std::int64_t, kOutcomeCodeCount>, kFlagCount> shown{};
    std::int64_t linedBig = 0;
    std::int64_t linedReg = 0;
    std::int64_t fallbacks = 0;  // finished games in which the control fell back
};

// The three skills scored together. A reach-me pattern is a code of
// kReachMeCodes: it stands only with a bonus held.
struct Scores {
    std::int64_t reachMeNoticed = 0;     // reach-me patterns called in their game
    std::int64_t reachMeMissed = 0;      // reach-me patterns their game ended without a call
    std::int64_t callsWithoutBonus = 0;  // games called whose flag was no bonus
    // For each lined bonus that showed a reach-me: the games from its first
    // reach-me to the game it got lined up in.
    std::vector<std::int64_t> gamesToLineUp;
};

class PlaySession {
public:
    explicit PlaySession(const SessionSetup& setup);

    int setting() const { return setting_; }
    const SmallPrizeOdds& odds() const { return odds_; }
    // The odds from the next draw on; odds with a fault change nothing.
    std::optional<OddsFault> setOdds(const SmallPrizeOdds& odds);

    // The bonus held (Big or Reg), or None.
    Flag held() const { return held_; }
    // The game under way, or the last one; null before the first start.
    const PlayGame* game() const { return game_ ? &*game_ : nullptr; }
    bool turning() const { return game_ && !game_->finished(); }

    // Starts a game, drawing its flag while no bonus is held; false while
    // a reel still turns.
    bool start();
    // Stops a turning reel pressed at upper-row position 1..21: where it
    // stands, or nothing when no game turns that reel or the press is off the reel.
    std::optional<ControlledStop> stop(reel::Reel which, int pressPosition);
    // The player says ボーナス！ in the game under way or just finished.
    // False before the first game and when this game was called already.
    bool call();

    const SessionCounts& counts() const { return counts_; }
    // Counting the current game as if it ended now: a reach-me it shows
    // without a call is missed until the player calls.
    Scores scores() const;

private:
    void finish();
    void addScoreOfGame(Scores& scores) const;

    SeededRandom random_;
    int setting_;
    SmallPrizeOdds odds_;
    Lottery lottery_;
    Flag held_ = Flag::None;
    std::optional<PlayGame> game_;
    bool called_ = false;
    std::int64_t firstReachMeGame_ = 0;  // the game number of the held bonus's first reach-me, 0 before
    SessionCounts counts_;
    Scores settled_;  // of the games before the current one, and the current one's calls
};

}  // namespace play
