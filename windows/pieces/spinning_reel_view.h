#pragma once

#include "core/timing/reel_spin.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

// One reel turning at the machine's speed, as the timing drill and the play
// mode draw it: its strip picture, standing still or turning as a spin says, drawn where the spin stands at the moment of painting; a
// spin with a stop turns on to it and is drawn there until the reel stands.
// Lines mark the three rows, and a frame the row a target is asked on. Its
// accessible description says the three cells in words while it stands.
class SpinningReelView : public QWidget {
    Q_OBJECT

public:
    // `clockUs`: the clock the spins are timed on.
    SpinningReelView(reel::Reel reel, QImage strip, std::function<std::int64_t()> clockUs, QWidget* parent = nullptr);

    void standAt(int upperPosition);
    void spin(const timing::ReelSpin& spin);
    // Turning, or on the way to its stop, until it is told to stand.
    bool isSpinning() const { return spinning_; }
    // Where it stands, or would stand if stopped now, at the cell under the upper row.
    int upperPosition() const;

    // The row framed for the target; none for a reel not asked.
    void markRow(std::optional<timing::Row> row);

    const QImage& strip() const { return strip_; }

    QSize sizeHint() const override;

signals:
    // A left click, with the input event's time stamp in ms (0: none).
    void clicked(quint64 timestampMs);
    // A frame was painted of the spin at `atUs`, its cells turned as drawn in whole pixels.
    void framePainted(std::int64_t atUs, double cellsTurned);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    reel::Reel reel_;
    QImage strip_;
    std::function<std::int64_t()> clockUs_;
    timing::ReelSpin spin_;
    bool spinning_ = false;
    int standing_ = 1;
    std::optional<timing::Row> markedRow_;
};
