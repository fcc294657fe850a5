#include "history/timing/timing_history.h"

#include "history/stored_key.h"


#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <vector>

namespace {

constexpr std::array kRowKeys = {"upper", "middle", "lower"};
constexpr std::array kSymbolKeys = {"seven", "bar", "ice", "chime", "cherry", "replay", "vsign"};

// The stop rules of timing_presses.stop_rule.
constexpr int kEarlierRule = 1;  // the cell that last came onto the row
constexpr int kMachineRule = 2;  // the first cell to stand aligned at or after the press

template <std::size_t N>
QString keyOf(const std::array<const char*, N>& keys, int index)
{
    return storedKey(keys[static_cast<std::size_t>(index)]);
}

std::optional<Symbol> symbolOfKey(const QString& key)
{
    const auto found = std::find_if(kSymbolKeys.begin(), kSymbolKeys.end(),
                                    [&](const char* k) { return key == QLatin1String(k); });
    if (found == kSymbolKeys.end())
        return std::nullopt;
    return static_cast<Symbol>(std::distance(kSymbolKeys.begin(), found));
}

}  // namespace

TimingHistory::TimingHistory(QString databasePath) : HistoryStore(std::move(databasePath)) {}

TimingHistory TimingHistory::standard()
{
    return TimingHistory(HistoryDatabase::standardPath());
}

// Summed up by the database, so that a long history is not read whole; only
// the recent presses come back one by one. A file the stop rule's step has
// not reached yet (nothing is written before a press) holds earlier presses only.
StoredPresses TimingHistory::load()
{
    StoredPresses stored;
    database().read([&](Statements& sql) {
        StoredPresses read;
        if (!sql.run(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('timing_presses') WHERE name = 'stop_rule'"))
            || !sql.next())
            return false;
        if (sql.value(0).toInt() == 0) {
            if (!sql.run(QStringLiteral("SELECT COUNT(*) FROM timing_presses")) || !sql.next())
                return false;
            read.underEarlierRule = sql.value(0).toInt();
            stored = std::move(read);
            return true;
        }
        if (!sql.run(QStringLiteral("SELECT COUNT(*) FROM timing_presses WHERE stop_rule = ?"), {kEarlierRule})
            || !sql.next())
            return false;
        read.underEarlierRule = sql.value(0).toInt();
        if (!sql.run(QStringLiteral("SELECT symbol, COUNT(*), SUM(hit), SUM(offset_ms), SUM(offset_ms * offset_ms)"
                                    " FROM timing_presses WHERE stop_rule = ? GROUP BY symbol"),
                     {kMachineRule}))
            return false;
        while (sql.next())
            if (const auto symbol = symbolOfKey(sql.value(0).toString()))
                read.statistics.addSums(*symbol, {sql.value(1).toInt(), sql.value(2).toInt(), sql.value(3).toDouble(),
                                                  sql.value(4).toDouble()});
        if (!sql.run(QStringLiteral("SELECT offset_ms, rpm FROM timing_presses WHERE stop_rule = ? ORDER BY id DESC LIMIT ?"),
                     {kMachineRule, timing::PressStatistics::kRecentCount}))
            return false;
        std::vector<std::pair<double, int>> newestFirst;
        while (sql.next())
            newestFirst.emplace_back(sql.value(0).toDouble(), sql.value(1).toInt());
        for (auto press = newestFirst.rbegin(); press != newestFirst.rend(); ++press) {
            const timing::ReelSpin spin{std::clamp(press->second, timing::kMinRpm, timing::kMaxRpm)};
            read.statistics.addRecent(press->first, press->first * 1000 / spin.cellUs());
        }
        stored = std::move(read);
        return true;
    });
    return stored;
}

bool TimingHistory::record(const PressRecord& press)
{
    return database().write([&](Statements& sql) {
        return sql.run(QStringLiteral("INSERT INTO timing_presses (pressed_at_ms, reel, target_row, symbol, rpm, slip,"
                                      " stopped_cell, hit, cells_off, offset_ms, stop_rule)"
                                      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {static_cast<qint64>(press.atMs), storedReelKey(press.target.reel),
                        keyOf(kRowKeys, press.target.row), keyOf(kSymbolKeys, static_cast<int>(press.target.symbol)),
                        press.rpm, press.slip, press.stoppedCell, press.hit ? 1 : 0, press.cellsOff, press.offsetMs,
                        kMachineRule});
    });
}
