#pragma once

#include "core/pairs/pair_verdict.h"
#include "core/pattern.h"

#include <QImage>
#include <QWidget>

#include <array>

// A stop pattern as the reel window shows it: the three rows of each reel, cut
// from the reels' strip pictures, between the frame lines, with the pay-line
// labels beside the rows. Its accessible name is the pattern's read-out.
// A pair of two stopped reels shows the third reel blank, not yet stopped,
// its read-out a question mark there: 7-12-? or 7-?-12.
class PatternView : public QWidget {
    Q_OBJECT

public:
    // The strip pictures of the left, center and right reels.
    explicit PatternView(std::array<QImage, 3> strips, QWidget* parent = nullptr);

    void setPattern(const Pattern& pattern);
    void setPair(StopOrder order, const StoppedPair& pair);

signals:
    // The first frame of a newly set pattern has been painted: the player
    // can see it from now on.
    void patternPainted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showCells(const std::array<int, 3>& positions, int blankReel);

    std::array<QImage, 3> strips_;
    std::array<QImage, 3> cells_;  // what each reel shows of the current pattern
    bool painted_ = false;         // since the pattern was set
};
