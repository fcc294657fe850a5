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

// The timing drill's part of the program's history database: every press.
// Nothing is written until the first press is recorded.
class TimingHistory : public HistoryStore {
public:
    explicit TimingHistory(QString databasePath);

    // The database in the program's data folder.
    static TimingHistory standard();

    // The statistics of every stored press, the recent ones' offsets
    // included; none when nothing can be read.
    timing::PressStatistics load();

    bool record(const PressRecord& press);
};
