// The drill window's memory model: the weights both its decks are scheduled
// with, fitted to all the player's answers beside the drill, and what the
// panel tells of them.

#include "windows/drill/drill_window.h"

#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/drill/figures/daily_work.h"
#include "core/drill/figures/due_forecast.h"
#include "core/drill/memory/fit_rule.h"
#include "windows/drill/forecast_chart.h"
#include "windows/drill/memory_fitting.h"
#include "windows/drill/memory_panel.h"

#include <QDate>
#include <QPushButton>

namespace {

// The daily work is drawn from the same seed each time, so that it moves
// with the retention and the cards, not by chance.
constexpr std::uint64_t kDailyWorkSeed = 1;

// The cards of both decks, the main deck's first: as the fit numbers them.
std::vector<CardState> everyCard(const CardDrill& patterns, const PairDrill& pairs)
{
    std::vector<CardState> states = patterns.states();
    states.insert(states.end(), pairs.states().begin(), pairs.states().end());
    return states;
}

}  // namespace

void DrillWindow::buildMemory()
{
    memory_ = new MemoryPanel(this);
    memory_->setObjectName(QStringLiteral("memoryPanel"));
    connect(memory_->fitButton(), &QPushButton::clicked, this, [this] { fitting_->request(MemoryRequest::Fit::Now); });
    fitting_ = makeFitting();
}

std::unique_ptr<MemoryFitting> DrillWindow::makeFitting()
{
    auto fitting = std::make_unique<MemoryFitting>(history_.path(), [this](MemoryRequest::Fit fit) {
        return MemoryRequest{fit,
                             drill_.memoryModel().weights(),
                             answersAtLastFit_,
                             clock_.utcMs(),
                             drill_.settings().retention,
                             CardDeck::instance().size() + PairDeck::instance().size()};
    });
    connect(fitting.get(), &MemoryFitting::fittingChanged, this, [this] { memory_->showFitting(fitting_->isFitting()); });
    connect(fitting.get(), &MemoryFitting::finished, this, &DrillWindow::takeMemoryWork);
    return fitting;
}

void DrillWindow::restoreMemory()
{
    const StoredFits fits = history_.storedFits();
    lastFit_ = fits.latest;
    fitInUse_ = fits.inUse;
    answersAtLastFit_ = lastFit_ ? lastFit_->fit.answers : 0;
    const MemoryModel model = fitInUse_ ? MemoryModel(fitInUse_->fit.weights) : MemoryModel();
    drill_.setMemoryModel(model);
    pairDrill_.setMemoryModel(model);
    memory_->showFits(lastFit_, fitInUse_);
    fitting_->request(MemoryRequest::Fit::IfDue);
}

void DrillWindow::memoryAfterAnswer(bool recorded)
{
    if (recorded && storedAnswers_ >= 0)
        ++storedAnswers_;
    // Each answer brings the figures up to date; one that makes the answers
    // double since the last fit brings a fit too.
    const bool due = storedAnswers_ >= 0 && fitIsDue(storedAnswers_, answersAtLastFit_);
    fitting_->request(due ? MemoryRequest::Fit::IfDue : MemoryRequest::Fit::Never);
}

void DrillWindow::takeMemoryWork(const MemoryRequest& request, const MemoryWork& work)
{
    storedAnswers_ = work.answers;
    // A fit of no answers is none: nothing to keep, no history to make.
    if (work.fit && work.answers > 0) {
        const MemoryFitRecord record{request.nowMs, *work.fit};
        lastFit_ = record;
        answersAtLastFit_ = record.fit.answers;
        if (record.fit.kept) {
            fitInUse_ = record;
            const MemoryModel model(record.fit.weights);
            drill_.setMemoryModel(model);
            pairDrill_.setMemoryModel(model);
            const auto pairsFrom = work.replayed.begin() + std::min<std::ptrdiff_t>(CardDeck::instance().size(),
                                                                                     std::ssize(work.replayed));
            drill_.setStates(withReplayedStates(drill_.states(), {work.replayed.begin(), pairsFrom}));
            pairDrill_.setStates(withReplayedStates(pairDrill_.states(), {pairsFrom, work.replayed.end()}));
        }
        if (!history_.recordFit(record, progress()))
            sayProblem();
        memory_->showFits(lastFit_, fitInUse_);
        showStanding();
        showMemoryStanding();
    }
    memory_->showWork(work);
    memory_->showFitting(fitting_->isFitting());
}

void DrillWindow::showMemoryStanding()
{
    const std::int64_t nowMs = clock_.utcMs();
    const std::int64_t utcOffsetMs = drill_.settings().utcOffsetMs;
    const QDate today = QDate(1970, 1, 1).addDays(playerDayOf(nowMs, utcOffsetMs));
    const std::vector<CardState> cards = everyCard(drill_, pairDrill_);
    memory_->showForecast(dueForecast(cards, nowMs, utcOffsetMs, ForecastChart::kDays), today);
    memory_->showDailyWork(
        expectedAnswersADay(cards, drill_.memoryModel(), drill_.settings().retention, nowMs, kDailyWorkSeed),
        drill_.settings().retention);
}

void DrillWindow::resetMemory()
{
    // A run under way reads the answers just forgotten: stopped, and its end never heard.
    fitting_ = makeFitting();
    lastFit_.reset();
    fitInUse_.reset();
    answersAtLastFit_ = 0;
    storedAnswers_ = 0;
    drill_.setMemoryModel(MemoryModel());
    pairDrill_.setMemoryModel(MemoryModel());
    memory_->showFits(lastFit_, fitInUse_);
    memory_->showWork({});
    memory_->showFitting(false);
}
