#pragma once

#include "core/drill/score.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <span>
#include <vector>

// The share of right answers to the questions of each right answer (an
// outcome group, a pair verdict) as a bar in its colour, so that a player
// sees at a glance which meanings they still mix up. Its accessible
// description reads the same figures out.
class GroupBars : public QWidget {
    Q_OBJECT

public:
    struct Bar {
        QString caption;
        QColor colour;
    };

    GroupBars(std::vector<Bar> bars, QWidget* parent = nullptr);

    // One tally a bar, in the bars' order.
    void setTallies(std::span<const Tally> tallies);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeight() const;
    int captionWidth() const;

    std::vector<Bar> bars_;
    std::vector<Tally> tallies_;
};

// A bar for each outcome group, and one for each pair verdict.
std::vector<GroupBars::Bar> outcomeGroupBars();
std::vector<GroupBars::Bar> pairVerdictBars();
