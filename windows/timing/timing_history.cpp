#include "windows/timing/timing_history.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <vector>

namespace {

constexpr std::array kReelKeys = {"left", "center", "right"};
constexpr std::array kRowKeys = {"upper", "middle", "lower"};
constexpr std::array kSymbolKeys = {"seven", "bar", "ice", "chime", "cherry", "replay", "vsign"};

template <std::size_t N>
QString keyOf(const std::array<const char*, N>& keys, int index)
{
    return QString::fromLatin1(keys[static_cast<std::size_t>(index)]);
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

TimingHistory::TimingHistory(QString databasePath) : database_(std::make_unique<HistoryDatabase>(std::move(databasePath))) {}

TimingHistory TimingHistory::standard()
{
    return TimingHistory(HistoryDatabase::standardPath());
}

// Summed up by the database, so that a long history is not read whole; only
// the recent presses come back one by one.
timing::PressStatistics TimingHistory::load()
{
    timing::PressStatistics statistics;
    database_->read([&](QSqlDatabase& db) {
        timing::PressStatistics read;
        QSqlQuery sums(db);
        if (!sums.exec(QStringLiteral("SELECT symbol, COUNT(*), SUM(hit), SUM(offset_ms), SUM(offset_ms * offset_ms)"
                                      " FROM timing_presses GROUP BY symbol")))
            return false;
        while (sums.next())
            if (const auto symbol = symbolOfKey(sums.value(0).toString()))
                read.addSums(*symbol, {sums.value(1).toInt(), sums.value(2).toInt(), sums.value(3).toDouble(),
                                       sums.value(4).toDouble()});
        QSqlQuery recent(db);
        recent.prepare(QStringLiteral("SELECT offset_ms, rpm FROM timing_presses ORDER BY id DESC LIMIT ?"));
        recent.addBindValue(timing::PressStatistics::kRecentCount);
        if (!recent.exec())
            return false;
        std::vector<std::pair<double, int>> newestFirst;
        while (recent.next())
            newestFirst.emplace_back(recent.value(0).toDouble(), recent.value(1).toInt());
        for (auto press = newestFirst.rbegin(); press != newestFirst.rend(); ++press) {
            const timing::ReelSpin spin{std::clamp(press->second, timing::kMinRpm, timing::kMaxRpm)};
            read.addRecent(press->first, press->first * 1000 / spin.cellUs());
        }
        statistics = std::move(read);
        return true;
    });
    return statistics;
}

bool TimingHistory::record(const PressRecord& press)
{
    return database_->write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral(
            "INSERT INTO timing_presses (pressed_at_ms, reel, target_row, symbol, rpm, slip, stopped_cell, hit,"
            " cells_off, offset_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant(static_cast<qint64>(press.atMs)), QVariant(keyOf(kReelKeys, press.target.reel)),
              QVariant(keyOf(kRowKeys, press.target.row)),
              QVariant(keyOf(kSymbolKeys, static_cast<int>(press.target.symbol))), QVariant(press.rpm),
              QVariant(press.slip), QVariant(press.stoppedCell), QVariant(press.hit ? 1 : 0), QVariant(press.cellsOff),
              QVariant(press.offsetMs)})
            query.addBindValue(value);
        return query.exec();
    });
}

QString TimingHistory::takeNewProblem()
{
    return database_->takeNewProblem() ? database_->problem() : QString();
}
