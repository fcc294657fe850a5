#pragma once

#include "core/drill/memory/memory_work.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <thread>

// The drill's work on its memory model, on a thread of its own so that the
// window never waits for it: each run reads the answers from the history
// (a connection of its own, only reading) and does memoryWork. One runs at
// a time; what is asked meanwhile waits as one request, the largest asked,
// made up as things stand when it starts.
class MemoryFitting : public QObject {
    Q_OBJECT

public:
    // `databasePath`: the history to read. `describe`: the request as the
    // drill stands, for the fit asked.
    MemoryFitting(QString databasePath, std::function<MemoryRequest(MemoryRequest::Fit)> describe,
                  QObject* parent = nullptr);
    // A run still going is asked to stop and waited for: moments, even in
    // the middle of a long fit.
    ~MemoryFitting() override;

    void request(MemoryRequest::Fit fit);

    // A fit is running, or asked for and waiting to run.
    bool isFitting() const;

signals:
    // A run began fitting, or a fit was asked for: isFitting() changed.
    void fittingChanged();
    // A run ended, with what was asked of it.
    void finished(const MemoryRequest& request, const MemoryWork& work);

private:
    void start(MemoryRequest::Fit fit);
    void beginFit();
    void end(const MemoryRequest& request, const MemoryWork& work);

    QString databasePath_;
    std::function<MemoryRequest(MemoryRequest::Fit)> describe_;
    std::optional<MemoryRequest::Fit> running_;
    std::optional<MemoryRequest::Fit> waiting_;
    bool runningFits_ = false;  // the run has found that it fits
    std::jthread thread_;  // last, so that it is stopped and joined before the rest goes
};
