#include "windows/drill/memory_fitting.h"

#include "history/drill/drill_history.h"

#include <QMetaObject>

MemoryFitting::MemoryFitting(QString databasePath, std::function<MemoryRequest(MemoryRequest::Fit)> describe,
                             QObject* parent)
    : QObject(parent), databasePath_(std::move(databasePath)), describe_(std::move(describe))
{
}

MemoryFitting::~MemoryFitting() = default;

bool MemoryFitting::isFitting() const
{
    return runningFits_ || running_ == MemoryRequest::Fit::Now || waiting_ == MemoryRequest::Fit::Now;
}

void MemoryFitting::request(MemoryRequest::Fit fit)
{
    if (running_) {
        waiting_ = std::max(waiting_.value_or(MemoryRequest::Fit::Never), fit);
        emit fittingChanged();
        return;
    }
    start(fit);
}

void MemoryFitting::start(MemoryRequest::Fit fit)
{
    const MemoryRequest request = describe_(fit);
    running_ = fit;
    // The last run has posted its result; its thread is at its end.
    if (thread_.joinable())
        thread_.join();
    thread_ = std::jthread([this, request, path = databasePath_](std::stop_token stop) {
        std::vector<CardAnswer> answers = DrillHistory::forReading(path).cardAnswers();
        // Whether a fit is due is known once the answers are counted.
        if (fitWanted(request, static_cast<int>(answers.size())))
            QMetaObject::invokeMethod(this, [this] { beginFit(); }, Qt::QueuedConnection);
        const MemoryWork work = memoryWork(answers, request, stop);
        if (stop.stop_requested())
            return;
        // Delivered on the window's thread; dropped with this object if it goes first.
        QMetaObject::invokeMethod(this, [this, request, work] { end(request, work); }, Qt::QueuedConnection);
    });
    emit fittingChanged();
}

void MemoryFitting::beginFit()
{
    runningFits_ = true;
    emit fittingChanged();
}

void MemoryFitting::end(const MemoryRequest& request, const MemoryWork& work)
{
    running_.reset();
    runningFits_ = false;
    emit finished(request, work);
    if (waiting_ && !running_) {
        const MemoryRequest::Fit next = *waiting_;
        waiting_.reset();
        start(next);
    }
}
