#pragma once

#include <QWidget>

#include <vector>

// The offsets of the recent presses as bars, early to the left of the ideal
// moment and late to the right, with the band a press must fall in to hit
// at the current speed. Its accessible description gives the counts.
class OffsetHistogram : public QWidget {
    Q_OBJECT

public:
    static constexpr double kBinMs = 10;
    static constexpr int kBins = 21;  // centred on 0: −105 to +105 ms, the outer bins holding all beyond

    explicit OffsetHistogram(QWidget* parent = nullptr);

    // `counts`: kBins counts of kBinMs each; `hitHalfMs`: half a cell at the current speed.
    void showCounts(std::vector<int> counts, double hitHalfMs);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> counts_;
    double hitHalfMs_ = 0;
};
