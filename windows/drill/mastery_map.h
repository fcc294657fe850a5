#pragma once

#include <QDateTime>
#include <QWidget>

#include <cstdint>

class CardDrill;

// Every card at a glance: a row per left position 1..21 with that position's
// cards as squares ordered by group, each coloured by how likely the player
// recalls it a day from now (card_square.h), grey while not yet asked, and
// framed thick while on its short learning steps. A square's tool tip names
// the card, its meaning, that recall and when it is next due.
class MasteryMap : public QWidget {
    Q_OBJECT

public:
    explicit MasteryMap(QWidget* parent = nullptr);

    // Shows the drill's cards as they stand at `nowMs`.
    void showCards(const CardDrill& drill, std::int64_t nowMs);

    // The card whose square holds `point`, or -1.
    int cardAt(const QPoint& point) const;
    // Where a left position's card is drawn.
    QRect squareOf(int left, int card) const;
    // A square's fill for a card at the time last shown.
    QColor colourOf(int card) const;
    bool isOnLearningSteps(int card) const;
    QString toolTipOf(int card) const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int captionWidth() const;

    const CardDrill* drill_ = nullptr;
    std::int64_t nowMs_ = 0;
};
