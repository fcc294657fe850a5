#include "windows/drill/mastery_map.h"

#include "core/drill/card_drill.h"
#include "core/drill/cards/card_deck.h"
#include "core/reels/positions.h"
#include "windows/drill/card_square.h"
#include "windows/drill/group_text.h"
#include "windows/pieces/cell_look.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kSquare = 14;
constexpr int kSquareGap = 2;
constexpr int kMostCardsInARow = 14;

}  // namespace

MasteryMap::MasteryMap(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("覚え具合の地図"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void MasteryMap::showCards(const CardDrill& drill, std::int64_t nowMs)
{
    drill_ = &drill;
    nowMs_ = nowMs;
    update();
}

int MasteryMap::captionWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("左 21 ")) + kSquareGap;
}

QSize MasteryMap::sizeHint() const
{
    const int rowHeight = kSquare + kSquareGap;
    return {captionWidth() + kMostCardsInARow * (kSquare + kSquareGap), reel::kPositions * std::max(rowHeight, fontMetrics().height())};
}

QRect MasteryMap::squareOf(int left, int card) const
{
    const std::span<const int> cards = CardDeck::instance().cardsOfLeft(left);
    const auto at = std::find(cards.begin(), cards.end(), card);
    if (at == cards.end())
        return {};
    const int rowHeight = std::max(kSquare + kSquareGap, fontMetrics().height());
    return {captionWidth() + static_cast<int>(at - cards.begin()) * (kSquare + kSquareGap), (left - 1) * rowHeight, kSquare,
        kSquare};
}

int MasteryMap::cardAt(const QPoint& point) const
{
    for (int left = 1; left <= reel::kPositions; ++left)
        for (int card : CardDeck::instance().cardsOfLeft(left))
            if (squareOf(left, card).contains(point))
                return card;
    return -1;
}

QColor MasteryMap::colourOf(int card) const
{
    if (!drill_ || drill_->states()[static_cast<std::size_t>(card)].phase == Phase::New)
        return card_square::notAskedColour();
    return card_square::colourOfRecall(drill_->recallADayLaterOf(card, nowMs_));
}

bool MasteryMap::isOnLearningSteps(int card) const
{
    if (!drill_)
        return false;
    const Phase phase = drill_->states()[static_cast<std::size_t>(card)].phase;
    return phase == Phase::Learning || phase == Phase::Relearning;
}

QString MasteryMap::toolTipOf(int card) const
{
    const Card& shown = CardDeck::instance().card(card);
    QString text = QStringLiteral("左 %1 の「%2」：%3\n%4")
                       .arg(shown.grid == 4 ? QStringLiteral("4・15・18") : QString::number(shown.grid))
                       .arg(QChar(shown.code))
                       .arg(captionOf(static_cast<std::size_t>(shown.group)))
                       .arg(cell_look::commentaryText(shown.code));
    if (!drill_)
        return text;
    const CardState& state = drill_->states()[static_cast<std::size_t>(card)];
    if (state.phase == Phase::New)
        return text + QStringLiteral("\nまだ出ていません");
    const QString due = QDateTime::fromMSecsSinceEpoch(state.dueMs).toLocalTime().toString(QStringLiteral("M/d H:mm"));
    text += QStringLiteral("\n1日後に思い出せる見込み %1%　次は %2")
                .arg(qRound(100 * drill_->recallADayLaterOf(card, nowMs_)))
                .arg(state.dueMs <= nowMs_ ? QStringLiteral("今") : due);
    if (state.phase == Phase::Learning)
        text += QStringLiteral("\n覚えはじめ：短い間をおいて出します（太い枠）");
    else if (state.phase == Phase::Relearning)
        text += QStringLiteral("\n忘れたので覚えなおし：短い間をおいて出します（太い枠）");
    return text;
}

bool MasteryMap::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int card = cardAt(help->pos());
        if (card >= 0)
            QToolTip::showText(help->globalPos(), toolTipOf(card), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void MasteryMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int rowHeight = std::max(kSquare + kSquareGap, fontMetrics().height());
    for (int left = 1; left <= reel::kPositions; ++left) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, (left - 1) * rowHeight, captionWidth(), rowHeight), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("左 %1").arg(left));
        for (int card : CardDeck::instance().cardsOfLeft(left))
            card_square::paint(painter, squareOf(left, card), colourOf(card), isOnLearningSteps(card));
    }
}
