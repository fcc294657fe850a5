#pragma once

#include <QColor>
#include <QRect>

#include <array>

class QPainter;

// How the mastery map and its legend draw a card. A square's colour is the
// card's recall a day from now, so that a card answered a moment ago, whose
// recall this very moment is high only because its answer was just shown,
// does not look remembered: red up to 0.6, then orange, yellow, and green
// from 0.95 on. By the default weights a card missed
// once is at 0.77 a day later (orange-red), one answered right once at 0.95
// (green), one missed six times at 0.42 (red).
namespace card_square {

// The recalls where the colour is red, orange, yellow and green; it
// changes evenly between them.
inline constexpr std::array<double, 4> kColourSteps = {0.60, 0.80, 0.90, 0.95};

// The fill of a card recalled with probability `recall` a day from now.
QColor colourOfRecall(double recall);

// The fill of a card never asked.
QColor notAskedColour();

// A card's square; one on its short learning steps is framed in a thick
// dark line, so that it is told apart without its colour.
void paint(QPainter& painter, const QRect& square, const QColor& fill, bool onLearningSteps);

}  // namespace card_square
