#pragma once

#include "core/drill/card_drill.h"

#include <QDateTime>
#include <QWidget>

#include <cstdint>
#include <optional>

// Every card of a section at a glance: the patterns' cards (完成形) or, in a
// section of their own, the pairs' cards (2確目). A row per left position
// 1..21 with that position's cards as squares, ordered by group, or by stop
// order and verdict, each coloured by how likely the player recalls it a day
// from now (card_square.h), grey while not yet asked, and framed thick while
// on its short learning steps. A square's tool tip names the card, its
// meaning, that recall and when it is next due.
class MasteryMap : public QWidget {
    Q_OBJECT

public:
    enum class Section { Patterns, Pairs };
    struct Square {
        Section section = Section::Patterns;
        int card = -1;

        friend bool operator==(const Square&, const Square&) = default;
    };

    explicit MasteryMap(QWidget* parent = nullptr);

    // Shows the drills' cards as they stand at `nowMs`, those of `section`.
    void showCards(const CardDrill& patterns, const PairDrill& pairs, Section section, std::int64_t nowMs);
    Section section() const { return section_; }

    // The card whose square holds `point`, or none.
    std::optional<Square> cardAt(const QPoint& point) const;
    // Where a left position's card is drawn; nothing for a card of the
    // section not shown.
    QRect squareOf(int left, const Square& square) const;
    // A square's fill for a card at the time last shown.
    QColor colourOf(const Square& square) const;
    bool isOnLearningSteps(const Square& square) const;
    QString toolTipOf(const Square& square) const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int captionWidth() const;
    int rowHeight() const;
    const std::vector<CardState>* statesOf(Section section) const;
    double recallOf(const Square& square) const;

    const CardDrill* patterns_ = nullptr;
    const PairDrill* pairs_ = nullptr;
    Section section_ = Section::Patterns;
    std::int64_t nowMs_ = 0;
};
