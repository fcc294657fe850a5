#pragma once

#include "core/timing/press_result.h"
#include "core/timing/press_statistics.h"
#include "history/history_store.h"

#include <QString>

#include <cstdint>

// One press as the history keeps it.
struct PressRecord {
    std::int64_t atMs = 0;  // UTC
    timing::Target target;
    int rpm = timing::kMaxRpm;
    int slip = 0;
    int stoppedCell = 1;  // on the target's row
    bool hit = false;
    int cellsOff = 0;
    double offsetMs = 0;
};

// What the history holds: the statistics of the presses judged as the
// machine stops, and how many were kept under the drill's earlier rule
// (stopping on the cell that last came onto the row), which they leave out.
struct StoredPresses {
    timing::PressStatistics statistics;
    int underEarlierRule = 0;
};

// The timing drill's part of the program's history database: every press,
// with the stop rule it was judged by. Nothing is written until the first
// press is recorded.
class TimingHistory : public HistoryStore {
public:
    explicit TimingHistory(QString databasePath);

    // The database in the program's data folder.
    static TimingHistory standard();

    // The statistics of every stored press judged as the machine stops, the
    // recent ones' offsets included, and the count of the others; none when
    // nothing can be read.
    StoredPresses load();

    // Keeps a press judged as the machine stops.
    bool record(const PressRecord& press);
};
