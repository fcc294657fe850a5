#pragma once

#include <QWidget>

// A setting's probability drawn as the style draws a progress bar. Not a
// QProgressBar: a screen reader would speak each of its changes as a bare
// "16 percent", without the setting; the line's words are said where it is
// read (its accessible name, set by the window).
class ProbabilityBar : public QWidget {
    Q_OBJECT

public:
    explicit ProbabilityBar(QWidget* parent = nullptr);

    // 0 to 1.
    void setProbability(double probability);
    double probability() const { return probability_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double probability_ = 0;
};
