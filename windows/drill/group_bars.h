#pragma once

#include "core/drill/score.h"

#include <QWidget>

// The share of right answers for each outcome group as a bar in the group's
// colour, so that a player sees at a glance which meanings they still mix up.
// Its accessible description reads the same figures out.
class GroupBars : public QWidget {
    Q_OBJECT

public:
    explicit GroupBars(QWidget* parent = nullptr);

    void setScore(const Score& score);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeight() const;
    int captionWidth() const;

    std::array<Tally, kOutcomeGroups.size()> groups_{};
};
