#include "core/drill/card_drill.h"

#include "core/drill/cards/teaching_order.h"
#include "core/evaluation/evaluation.h"

#include <algorithm>
#include <limits>

template <typename Deck>
Drill<Deck>::Drill(std::uint64_t seed, std::int64_t nowMs)
    : deck_(Deck::instance()),
      teachingOrder_(teachingOrder(deck_)),
      random_(seed),
      states_(static_cast<std::size_t>(deck_.size())),
      lastShown_(static_cast<std::size_t>(deck_.size()))
{
    rollDay(nowMs);
    next(nowMs);
}

template <typename Deck>
std::int64_t Drill<Deck>::dayOf(std::int64_t nowMs) const
{
    return playerDayOf(nowMs, settings_.utcOffsetMs);
}

template <typename Deck>
void Drill<Deck>::rollDay(std::int64_t nowMs)
{
    if (dayTally_.day != dayOf(nowMs))
        dayTally_ = {dayOf(nowMs), 0, 0};
}

template <typename Deck>
bool Drill<Deck>::passesFilter(int card) const
{
    return leftFilter_ == 0 || deck_.card(card).grid == evaluatorClassOf(leftFilter_);
}

template <typename Deck>
bool Drill<Deck>::newCardAllowed(std::int64_t nowMs) const
{
    const int newToday = dayTally_.day == dayOf(nowMs) ? dayTally_.newCards : 0;
    return settings_.newCardCap == 0 || newToday < settings_.newCardCap;
}

template <typename Deck>
double Drill<Deck>::retrievabilityOf(int card, std::int64_t nowMs) const
{
    return retrievabilityAt(states_[static_cast<std::size_t>(card)], nowMs, memoryModel_);
}

template <typename Deck>
double Drill<Deck>::recallADayLaterOf(int card, std::int64_t nowMs) const
{
    return recallADayLater(states_[static_cast<std::size_t>(card)], nowMs, memoryModel_);
}

template <typename Deck>
int Drill<Deck>::chooseCard(std::int64_t nowMs, bool& caughtUp) const
{
    caughtUp = false;
    int due = -1;
    double dueRecall = std::numeric_limits<double>::infinity();
    for (int card = 0; card < deck_.size(); ++card) {
        const CardState& state = states_[static_cast<std::size_t>(card)];
        if (state.phase == Phase::New || state.dueMs > nowMs || !passesFilter(card))
            continue;
        const double recall = retrievabilityOf(card, nowMs);
        if (recall < dueRecall) {
            due = card;
            dueRecall = recall;
        }
    }
    if (due >= 0)
        return due;

    const auto firstNew = std::find_if(teachingOrder_.begin(), teachingOrder_.end(), [&](int card) {
        return states_[static_cast<std::size_t>(card)].phase == Phase::New && passesFilter(card);
    });
    if (firstNew != teachingOrder_.end() && newCardAllowed(nowMs))
        return *firstNew;

    // Caught up: the card closest to being forgotten, another than the one
    // just asked where there is one.
    int weakest = -1;
    double weakestRecall = std::numeric_limits<double>::infinity();
    for (int card = 0; card < deck_.size(); ++card) {
        if (states_[static_cast<std::size_t>(card)].phase == Phase::New || !passesFilter(card))
            continue;
        const double recall = retrievabilityOf(card, nowMs) + (card == current_.card && answered_ ? 1.0 : 0.0);
        if (recall < weakestRecall) {
            weakest = card;
            weakestRecall = recall;
        }
    }
    caughtUp = true;
    // Nothing learned yet under this filter and no new card allowed: the
    // drill still asks, the first new card.
    return weakest >= 0 ? weakest : *firstNew;
}

template <typename Deck>
typename Drill<Deck>::Asked Drill<Deck>::chooseQuestion(int card)
{
    const std::vector<Asked> questions = deck_.questionsOn(card, leftFilter_);
    std::optional<Asked>& last = lastShown_[static_cast<std::size_t>(card)];
    Asked chosen = questions.front();
    if (questions.size() > 1) {
        std::vector<Asked> others;
        std::copy_if(questions.begin(), questions.end(), std::back_inserter(others),
            [&](const Asked& question) { return question != last; });
        chosen = others[static_cast<std::size_t>(random_.below(static_cast<int>(others.size())))];
    }
    last = chosen;
    return chosen;
}

template <typename Deck>
const typename Drill<Deck>::Question& Drill<Deck>::next(std::int64_t nowMs)
{
    rollDay(nowMs);
    bool caughtUp = false;
    const int card = chooseCard(nowMs, caughtUp);
    current_ = {chooseQuestion(card), card, caughtUp};
    answered_ = false;
    return current_;
}

template <typename Deck>
AnswerResult Drill<Deck>::answer(int chosen, int answerMs, std::int64_t nowMs)
{
    rollDay(nowMs);
    const int rightAnswer = deck_.answerOf(current_.card);
    const bool right = rightAnswer == chosen;
    const Grade grade = gradeOf(right, answerMs);
    CardState& state = states_[static_cast<std::size_t>(current_.card)];
    if (state.phase == Phase::New)
        ++dayTally_.newCards;
    else
        ++dayTally_.reviews;
    state = afterAnswer(state, grade, nowMs, settings_.retention, memoryModel_);
    score_.record(rightAnswer, right);
    answered_ = true;
    return {right, rightAnswer, grade, current_.card, state};
}

template <typename Deck>
void Drill<Deck>::setLeftFilter(int leftFilter, std::int64_t nowMs)
{
    leftFilter_ = leftFilter;
    if (!answered_ && leftFilter_ != 0 && current_.asked.left != leftFilter_)
        next(nowMs);
}

template <typename Deck>
int Drill<Deck>::learnedCount() const
{
    return static_cast<int>(std::count_if(states_.begin(), states_.end(), [](const CardState& state) {
        return state.phase != Phase::New && state.memory.stability >= kLearnedStabilityDays;
    }));
}

template <typename Deck>
TodayCounts Drill<Deck>::today(std::int64_t nowMs) const
{
    const bool sameDay = dayTally_.day == dayOf(nowMs);
    TodayCounts counts{sameDay ? dayTally_.reviews : 0, sameDay ? dayTally_.newCards : 0, 0};
    int newLeft = 0;
    for (int card = 0; card < deck_.size(); ++card) {
        if (!passesFilter(card))
            continue;
        const CardState& state = states_[static_cast<std::size_t>(card)];
        if (state.phase == Phase::New)
            ++newLeft;
        else if (state.dueMs <= nowMs)
            ++counts.remaining;
    }
    if (settings_.newCardCap > 0)
        newLeft = std::min(newLeft, std::max(0, settings_.newCardCap - counts.newCards));
    counts.remaining += newLeft;
    return counts;
}

template <typename Deck>
void Drill<Deck>::restore(const Score& score, std::vector<CardState> states, const DayTally& dayTally, std::int64_t nowMs)
{
    score_ = score;
    states_ = std::move(states);
    states_.resize(static_cast<std::size_t>(deck_.size()));
    dayTally_ = dayTally;
    rollDay(nowMs);
    next(nowMs);
}

template <typename Deck>
void Drill<Deck>::reset(std::int64_t nowMs)
{
    restore({}, {}, {}, nowMs);
}

template class Drill<CardDeck>;
template class Drill<PairDeck>;
