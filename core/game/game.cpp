#include "core/game/game.h"

#include "core/box_number.h"

namespace {

// The index that shows an upper-row position: 21 for position 1.
std::int16_t indexOf(int position)
{
    return static_cast<std::int16_t>(reel::kPositions + 1 - position);
}

}  // namespace

Pattern Game::positions() const
{
    // A strip at its design place reads as index 0.
    const auto positionOf = [this](reel::Reel which) {
        return reel::positionOfIndex(reels_[which].shownIndex.value_or(0));
    };
    return {positionOf(reel::Left), positionOf(reel::Center), positionOf(reel::Right)};
}

int Game::addListener(Listener listener)
{
    listeners_.emplace_back(++lastListener_, std::move(listener));
    return lastListener_;
}

void Game::removeListener(int number)
{
    std::erase_if(listeners_, [number](const auto& listener) { return listener.first == number; });
}

// The manual game.

Game::Start Game::start(std::u16string_view speedText)
{
    if (mode_ != Mode::Standing)
        return Start::NotStanding;
    const std::optional<BoxSetting> interval = stepIntervalRule(speedText);
    if (!interval)
        return Start::BadStepInterval;
    for (Reel& reel : reels_)
        reel.teisi = 0;  // the stop count is not reset: each stop sums the flags
    timint_ = interval->ms;
    mode_ = Mode::Spinning;
    setRunning(true);
    Changes changes;
    changes.speedBoxText = interval->boxText;
    changes.stepIntervalSet = true;
    changes.cleared = true;
    changes.running = true;
    notify(changes);
    return Start::Started;
}

// One tick moves the strip a cell down; index 21 is kept as 0 so that the
// next tick places index 1, while the strip stays where index 21 stands.
bool Game::tick(reel::Reel which)
{
    Reel& reel = reels_[which];
    if (!reel.running)
        return false;
    reel.koma = static_cast<std::int16_t>(reel.koma + 1 > reel::kPositions ? 1 : reel.koma + 1);
    reel.shownIndex = reel.koma;
    if (reel.koma == reel::kPositions)
        reel.koma = 0;
    Changes changes;
    changes.moved[which] = true;
    notify(changes);
    return true;
}

bool Game::stop(reel::Reel which)
{
    Reel& reel = reels_[which];
    if (mode_ != Mode::Spinning || !reel.running)
        return false;
    reel.teisi = 1;
    timgoukei_ = static_cast<std::int16_t>(reels_[0].teisi + reels_[1].teisi + reels_[2].teisi);
    reel.running = false;
    Changes changes;
    changes.running = true;
    if (timgoukei_ == 3) {
        yaku();
        changes.readOut = true;
        changes.result = true;
        mode_ = Mode::Standing;
    }
    notify(changes);
    return true;
}

// Stepping by hand.

bool Game::stepDown(reel::Reel which)
{
    if (mode_ != Mode::Standing)
        return false;
    Reel& reel = reels_[which];
    if (reel.koma == reel::kPositions)
        reel.koma = 0;
    reel.koma += 1;
    showMoved({which});
    return true;
}

bool Game::stepUp(reel::Reel which)
{
    if (mode_ != Mode::Standing)
        return false;
    Reel& reel = reels_[which];
    if (reel.koma == 0)
        reel.koma = reel::kPositions;
    reel.koma -= 1;
    showMoved({which});
    return true;
}

Game::Placing Game::place(const Pattern& pattern)
{
    if (mode_ == Mode::Spinning)
        return Placing::Spinning;
    if (mode_ == Mode::AutoPlaying)
        return Placing::AutoPlaying;
    if (!isOnTheReels(pattern))
        return Placing::OffTheReels;
    reels_[reel::Left].koma = indexOf(pattern.left);
    reels_[reel::Center].koma = indexOf(pattern.center);
    reels_[reel::Right].koma = indexOf(pattern.right);
    showMoved({reel::Left, reel::Center, reel::Right});
    return Placing::Placed;
}

// Reels set by hand stand at their index and the pattern is judged and shown.
void Game::showMoved(std::initializer_list<reel::Reel> moved)
{
    Changes changes;
    for (reel::Reel which : moved) {
        reels_[which].shownIndex = reels_[which].koma;
        changes.moved[which] = true;
    }
    yaku();
    changes.readOut = true;
    changes.result = true;
    notify(changes);
}

// Auto play.

Game::Start Game::startAuto(std::u16string_view speedText, std::u16string_view stopTimeText)
{
    if (mode_ != Mode::Standing)
        return Start::NotStanding;
    const std::optional<BoxSetting> interval = stepIntervalRule(speedText);
    const std::optional<BoxSetting> stopTime = stopTimeRule(stopTimeText);
    if (!interval)
        return Start::BadStepInterval;
    if (!stopTime)
        return Start::BadStopTime;
    timint_ = interval->ms;
    stopTime_ = stopTime->ms;
    autokaisu_ = 0;  // every run begins its cycle afresh
    mode_ = Mode::AutoPlaying;
    setRunning(true);
    Changes changes;
    changes.speedBoxText = interval->boxText;
    changes.stopTimeBoxText = stopTime->boxText;
    changes.stepIntervalSet = true;
    changes.stopTimeSet = true;
    changes.running = true;
    notify(changes);
    return Start::Started;
}

bool Game::autoTick()
{
    if (mode_ != Mode::AutoPlaying)
        return false;
    autokaisu_ += 1;
    Changes changes;
    switch (autokaisu_) {
    case 1:
        reels_[reel::Left].running = false;
        changes.running = true;
        break;
    case 2:
        reels_[reel::Center].running = false;
        changes.running = true;
        break;
    case 3:
    case 4:  // the reels stand still since, so the same texts show again
        reels_[reel::Right].running = false;
        changes.running = true;
        yaku();
        changes.readOut = true;
        changes.result = true;
        break;
    case 5:
        changes.cleared = true;
        setRunning(true);
        changes.running = true;
        break;
    default:
        autokaisu_ = 0;
        break;
    }
    notify(changes);
    return true;
}

bool Game::stopAuto()
{
    if (mode_ != Mode::AutoPlaying)
        return false;
    mode_ = Mode::Standing;
    setRunning(false);
    Changes changes;
    changes.running = true;
    notify(changes);
    return true;
}

// The pattern and its judgement.

// yaku: reads the upper row where the reels stand and judges the pattern.
void Game::yaku()
{
    jyoudan_ = positions();
    judgement_ = judge(jyoudan_);
}

void Game::setRunning(bool running)
{
    for (Reel& reel : reels_)
        reel.running = running;
}

// A listener may add or remove listeners while it is told.
void Game::notify(const Changes& changes)
{
    const auto listeners = listeners_;
    for (const auto& [number, listener] : listeners)
        listener(changes);
}
