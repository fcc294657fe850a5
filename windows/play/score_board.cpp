#include "windows/play/score_board.h"

#include "windows/pieces/number_text.h"

#include <QFormLayout>
#include <QLabel>

#include <numeric>

namespace {

QLabel* valueLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("平均 999.9 ゲーム（999 回）")) + 4);
    return label;
}

}  // namespace

ScoreBoard::ScoreBoard(QWidget* parent) : QGroupBox(QStringLiteral("今回の実戦"), parent)
{
    games_ = valueLabel("games", this);
    big_ = valueLabel("bigCount", this);
    reg_ = valueLabel("regCount", this);
    noticed_ = valueLabel("reachMeNoticed", this);
    missed_ = valueLabel("reachMeMissed", this);
    callsWithoutBonus_ = valueLabel("callsWithoutBonus", this);
    gamesToLineUp_ = valueLabel("gamesToLineUp", this);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("ゲーム数"), games_);
    layout->addRow(QStringLiteral("ＢＩＧ"), big_);
    layout->addRow(QStringLiteral("ＲＥＧ"), reg_);
    layout->addRow(QStringLiteral("気づいたリーチ目"), noticed_);
    layout->addRow(QStringLiteral("見逃したリーチ目"), missed_);
    layout->addRow(QStringLiteral("ボーナスなしのコール"), callsWithoutBonus_);
    layout->addRow(QStringLiteral("リーチ目から揃えるまで"), gamesToLineUp_);
    showCounts({});
    showScores({});
}

void ScoreBoard::showCounts(const play::SessionCounts& counts)
{
    games_->setText(countText(counts.games));
    big_->setText(countText(counts.linedBig));
    reg_->setText(countText(counts.linedReg));
}

void ScoreBoard::showScores(const play::Scores& scores)
{
    noticed_->setText(countText(scores.reachMeNoticed));
    missed_->setText(countText(scores.reachMeMissed));
    callsWithoutBonus_->setText(countText(scores.callsWithoutBonus));
    const auto& games = scores.gamesToLineUp;
    if (games.empty()) {
        gamesToLineUp_->setText(QStringLiteral("—"));
        return;
    }
    const double mean = double(std::accumulate(games.begin(), games.end(), std::int64_t{0})) / double(games.size());
    gamesToLineUp_->setText(
        QStringLiteral("平均 %1 ゲーム（%2 回）").arg(mean, 0, 'f', 1).arg(countText(static_cast<std::int64_t>(games.size()))));
}
