#pragma once

#include "core/play/play_session.h"

#include <QGroupBox>

class QLabel;

// The session's counts and scores: the games, the BIG and REG lined up, the
// reach-me patterns noticed and missed, the calls without a bonus held, and
// the games from a bonus's first reach-me to its line-up.
class ScoreBoard : public QGroupBox {
    Q_OBJECT

public:
    explicit ScoreBoard(QWidget* parent = nullptr);

    void showCounts(const play::SessionCounts& counts);
    void showScores(const play::Scores& scores);

private:
    QLabel* games_ = nullptr;
    QLabel* big_ = nullptr;
    QLabel* reg_ = nullptr;
    QLabel* noticed_ = nullptr;
    QLabel* missed_ = nullptr;
    QLabel* callsWithoutBonus_ = nullptr;
    QLabel* gamesToLineUp_ = nullptr;
};
