#pragma once

#include "core/play/lottery.h"

#include <QTableWidget>

// The small prizes' odds the lottery assumes, one row a prize, each odds
// edited in place as 1 in so many games (1.0 and up, to a tenth), beside the
// program's defaults. The machine's own odds of these prizes are not
// published: the table says they are assumptions.
class OddsTable : public QTableWidget {
    Q_OBJECT

public:
    explicit OddsTable(QWidget* parent = nullptr);

    void showOdds(const play::SmallPrizeOdds& odds);
    play::SmallPrizeOdds odds() const;

signals:
    // The player changed an odds; the table shows the new ones.
    void edited(const play::SmallPrizeOdds& odds);
};
