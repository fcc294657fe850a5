#include "core/play/play_session.h"

#include "core/setting_estimate/setting_odds.h"

namespace play {

namespace {

int settingOf(const SessionSetup& setup, SeededRandom& random)
{
    return setup.setting == 0 ? random.between(1, setting_odds::kSettings) : setup.setting;
}

}  // namespace

PlaySession::PlaySession(const SessionSetup& setup)
    : random_(setup.seed), setting_(settingOf(setup, random_)), odds_(setup.odds), lottery_(setting_, odds_)
{
}

std::optional<OddsFault> PlaySession::setOdds(const SmallPrizeOdds& odds)
{
    if (const auto fault = faultIn(odds))
        return fault;
    odds_ = odds;
    lottery_ = Lottery(setting_, odds_);
    return std::nullopt;
}

bool PlaySession::start()
{
    if (turning())
        return false;
    if (game_)
        addScoreOfGame(settled_);
    Flag flag = held_;
    if (flag == Flag::None) {
        flag = lottery_.draw(random_);
        ++counts_.gamesFree;
        ++counts_.drawn[static_cast<int>(flag)];
        if (isBonus(flag))
            held_ = flag;
    }
    ++counts_.games;
    game_.emplace(flag);
    called_ = false;
    return true;
}

std::optional<ControlledStop> PlaySession::stop(reel::Reel which, int pressPosition)
{
    if (!turning())
        return std::nullopt;
    const auto stop = game_->stop(which, pressPosition);
    if (stop && game_->finished())
        finish();
    return stop;
}

void PlaySession::finish()
{
    const char code = game_->code();
    ++counts_.shown[static_cast<int>(game_->flag())][indexOfCode(code)];
    counts_.fallbacks += game_->fellBack();
    if (kReachMeCodes.contains(code) && firstReachMeGame_ == 0)
        firstReachMeGame_ = counts_.games;
    if (!game_->lined())
        return;
    ++(held_ == Flag::Big ? counts_.linedBig : counts_.linedReg);
    if (firstReachMeGame_ != 0)
        settled_.gamesToLineUp.push_back(counts_.games - firstReachMeGame_);
    held_ = Flag::None;
    firstReachMeGame_ = 0;
}

bool PlaySession::call()
{
    if (!game_ || called_)
        return false;
    called_ = true;
    settled_.callsWithoutBonus += !isBonus(game_->flag());
    return true;
}

Scores PlaySession::scores() const
{
    Scores scores = settled_;
    if (game_)
        addScoreOfGame(scores);
    return scores;
}

void PlaySession::addScoreOfGame(Scores& scores) const
{
    if (!game_->finished() || !kReachMeCodes.contains(game_->code()))
        return;
    ++(called_ ? scores.reachMeNoticed : scores.reachMeMissed);
}

}  // namespace play
