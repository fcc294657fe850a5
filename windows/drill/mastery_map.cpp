#include "windows/drill/mastery_map.h"

#include "core/pairs/pair_words.h"
#include "core/reels/positions.h"
#include "windows/drill/card_square.h"
#include "windows/drill/group_text.h"
#include "windows/pieces/cell_look.h"
#include "windows/pieces/pair_look.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kSquare = 14;
constexpr int kSquareGap = 2;
constexpr int kMostCardsInARow = 14;  // of either section

using Section = MasteryMap::Section;

std::span<const int> cardsOfLeft(Section section, int left)
{
    return section == Section::Patterns ? CardDeck::instance().cardsOfLeft(left)
                                        : PairDeck::instance().cardsOfLeft(left);
}

QString gridName(int grid)
{
    return grid == 4 ? QStringLiteral("4・15・18") : QString::number(grid);
}

QString cardText(const MasteryMap::Square& square)
{
    if (square.section == Section::Patterns) {
        const Card& shown = CardDeck::instance().card(square.card);
        return QStringLiteral("左 %1 の「%2」：%3\n%4")
            .arg(gridName(shown.grid))
            .arg(QChar(shown.code))
            .arg(captionOf(static_cast<std::size_t>(shown.group)))
            .arg(cell_look::commentaryText(shown.code));
    }
    const PairCard& shown = PairDeck::instance().card(square.card);
    return QStringLiteral("左 %1 の 2確目・%2：%3\n%4 組、例えば %5")
        .arg(gridName(shown.grid), pair_look::orderText(shown.order), pair_look::captionOf(shown.verdict))
        .arg(shown.pairs.size())
        .arg(QString::fromStdString(readOutOf(shown.order, shown.pairs.front())));
}

}  // namespace

MasteryMap::MasteryMap(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("覚え具合の地図"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void MasteryMap::showCards(const CardDrill& patterns, const PairDrill& pairs, Section section, std::int64_t nowMs)
{
    patterns_ = &patterns;
    pairs_ = &pairs;
    section_ = section;
    nowMs_ = nowMs;
    update();
}

int MasteryMap::captionWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("左 21 ")) + kSquareGap;
}

int MasteryMap::rowHeight() const
{
    return std::max(kSquare + kSquareGap, fontMetrics().height());
}

QSize MasteryMap::sizeHint() const
{
    return {captionWidth() + kMostCardsInARow * (kSquare + kSquareGap), reel::kPositions * rowHeight()};
}

QRect MasteryMap::squareOf(int left, const Square& square) const
{
    if (square.section != section_)
        return {};
    const std::span<const int> cards = cardsOfLeft(square.section, left);
    const auto at = std::find(cards.begin(), cards.end(), square.card);
    if (at == cards.end())
        return {};
    return {captionWidth() + static_cast<int>(at - cards.begin()) * (kSquare + kSquareGap), (left - 1) * rowHeight(),
            kSquare, kSquare};
}

std::optional<MasteryMap::Square> MasteryMap::cardAt(const QPoint& point) const
{
    for (int left = 1; left <= reel::kPositions; ++left)
        for (int card : cardsOfLeft(section_, left))
            if (squareOf(left, {section_, card}).contains(point))
                return Square{section_, card};
    return std::nullopt;
}

const std::vector<CardState>* MasteryMap::statesOf(Section section) const
{
    if (section == Section::Patterns)
        return patterns_ ? &patterns_->states() : nullptr;
    return pairs_ ? &pairs_->states() : nullptr;
}

// A day from now, by the weights its drill schedules with.
double MasteryMap::recallOf(const Square& square) const
{
    return square.section == Section::Patterns ? patterns_->recallADayLaterOf(square.card, nowMs_)
                                               : pairs_->recallADayLaterOf(square.card, nowMs_);
}

QColor MasteryMap::colourOf(const Square& square) const
{
    const std::vector<CardState>* states = statesOf(square.section);
    if (!states || (*states)[static_cast<std::size_t>(square.card)].phase == Phase::New)
        return card_square::notAskedColour();
    return card_square::colourOfRecall(recallOf(square));
}

bool MasteryMap::isOnLearningSteps(const Square& square) const
{
    const std::vector<CardState>* states = statesOf(square.section);
    if (!states)
        return false;
    const Phase phase = (*states)[static_cast<std::size_t>(square.card)].phase;
    return phase == Phase::Learning || phase == Phase::Relearning;
}

QString MasteryMap::toolTipOf(const Square& square) const
{
    QString text = cardText(square);
    const std::vector<CardState>* states = statesOf(square.section);
    if (!states)
        return text;
    const CardState& state = (*states)[static_cast<std::size_t>(square.card)];
    if (state.phase == Phase::New)
        return text + QStringLiteral("\nまだ出ていません");
    const QString due = QDateTime::fromMSecsSinceEpoch(state.dueMs).toLocalTime().toString(QStringLiteral("M/d H:mm"));
    text += QStringLiteral("\n1日後に思い出せる見込み %1%　次は %2")
                .arg(qRound(100 * recallOf(square)))
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
        if (const std::optional<Square> square = cardAt(help->pos()))
            QToolTip::showText(help->globalPos(), toolTipOf(*square), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void MasteryMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int height = rowHeight();
    for (int left = 1; left <= reel::kPositions; ++left) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, (left - 1) * height, captionWidth(), height), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("左 %1").arg(left));
        for (int card : cardsOfLeft(section_, left))
            card_square::paint(painter, squareOf(left, {section_, card}), colourOf({section_, card}),
                               isOnLearningSteps({section_, card}));
    }
}
