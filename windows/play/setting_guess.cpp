#include "windows/play/setting_guess.h"

#include "windows/pieces/number_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString percent(double probability)
{
    return QStringLiteral("%1 %").arg(probability * 100, 0, 'f', 1);
}

QLabel* plainLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

SettingGuess::SettingGuess(QWidget* parent) : QGroupBox(QStringLiteral("設定判別"), parent)
{
    question_ = plainLabel(QStringLiteral("guessQuestion"), this);
    question_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    for (int setting = 1; setting <= setting_odds::kSettings; ++setting) {
        auto* button = new QPushButton(QString::number(setting), this);
        button->setObjectName(QStringLiteral("guess%1").arg(setting));
        button->setAccessibleName(QStringLiteral("設定 %1 と予想").arg(setting));
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("0")) + 32);
        connect(button, &QPushButton::clicked, this, [this, setting] { emit guessed(setting); });
        buttons->addWidget(button);
        guesses_[static_cast<std::size_t>(setting - 1)] = button;
    }
    buttons->addStretch(1);

    result_ = plainLabel(QStringLiteral("settingResult"), this);
    QFont bold = result_->font();
    bold.setBold(true);
    result_->setFont(bold);
    auto* estimate = new QGridLayout;
    estimate->setHorizontalSpacing(12);
    estimate->setVerticalSpacing(0);
    for (int setting = 1; setting <= setting_odds::kSettings; ++setting) {
        const auto row = static_cast<std::size_t>(setting - 1);
        estimate->addWidget(new QLabel(QStringLiteral("設定 %1").arg(setting), this), setting - 1, 0);
        estimate_[row] = plainLabel(QStringLiteral("estimate%1").arg(setting), this);
        estimate_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        estimate_[row]->setMinimumWidth(estimate_[row]->fontMetrics().horizontalAdvance(QStringLiteral("100.0 %")) + 4);
        estimate->addWidget(estimate_[row], setting - 1, 1);
        marks_[row] = plainLabel(QStringLiteral("mark%1").arg(setting), this);
        marks_[row]->setMinimumWidth(marks_[row]->fontMetrics().horizontalAdvance(QStringLiteral("← 実際の設定・あなたの予想")));
        estimate->addWidget(marks_[row], setting - 1, 2);
    }
    estimate->setColumnStretch(3, 1);
    summary_ = plainLabel(QStringLiteral("estimateSummary"), this);
    summary_->setWordWrap(true);
    // Room for the words that come at the end, so that the window keeps its size.
    result_->setMinimumHeight(result_->fontMetrics().height() + 4);
    summary_->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 3 + 4);
    question_->setMinimumHeight(question_->fontMetrics().lineSpacing() * 2 + 4);

    newSession_ = new QPushButton(QStringLiteral("次の実戦へ"), this);
    newSession_->setObjectName(QStringLiteral("newSession"));
    connect(newSession_, &QPushButton::clicked, this, &SettingGuess::newSessionAsked);
    auto* newRow = new QHBoxLayout;
    newRow->addWidget(newSession_);
    newRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    layout->addLayout(buttons);
    layout->addWidget(result_);
    layout->addLayout(estimate);
    layout->addWidget(summary_);
    layout->addLayout(newRow);
    layout->addStretch(1);
    clear();
}

QString SettingGuess::ask(const setting_estimate::Counts& counts)
{
    const QString words = QStringLiteral("実戦終了: %1 ゲーム、ＢＩＧ %2 回、ＲＥＧ %3 回。設定はいくつだと思いますか？（1～6）")
                              .arg(countText(counts.games), countText(counts.big), countText(counts.reg));
    question_->setText(words);
    for (QPushButton* button : guesses_)
        button->setEnabled(true);
    return words;
}

QString SettingGuess::showResult(int guessed, int inPlay, const setting_estimate::Estimate& estimate)
{
    for (QPushButton* button : guesses_)
        button->setEnabled(false);
    const QString verdict = guessed == inPlay ? QStringLiteral("的中！") : QStringLiteral("はずれ。");
    result_->setText(QStringLiteral("%1あなたの予想は設定 %2、実際の設定は %3 でした。").arg(verdict).arg(guessed).arg(inPlay));
    int likeliest = 1;
    for (int setting = 1; setting <= setting_odds::kSettings; ++setting) {
        const auto row = static_cast<std::size_t>(setting - 1);
        estimate_[row]->setText(percent(estimate.probability[row]));
        QStringList marks;
        if (setting == inPlay)
            marks << QStringLiteral("実際の設定");
        if (setting == guessed)
            marks << QStringLiteral("あなたの予想");
        marks_[row]->setText(marks.isEmpty() ? QString() : QStringLiteral("← ") + marks.join(u'・'));
        if (estimate.probability[row] > estimate.probability[static_cast<std::size_t>(likeliest - 1)])
            likeliest = setting;
    }
    const double likeliestProbability = estimate.probability[static_cast<std::size_t>(likeliest - 1)];
    QString summary = QStringLiteral("回数からの推定: 最も見込みが高いのは設定 %1（%2）、平均 %3、設定 4 以上 %4。")
                          .arg(likeliest)
                          .arg(percent(likeliestProbability))
                          .arg(estimate.meanSetting, 0, 'f', 2)
                          .arg(percent(estimate.fourOrHigher));
    if (likeliestProbability < 0.5)
        summary += QStringLiteral("どの設定も 50 % に届かず、この回数ではまだ見分けられません。");
    summary_->setText(summary);
    newSession_->setEnabled(true);
    return result_->text() + summary;
}

void SettingGuess::clear()
{
    question_->setText(QStringLiteral("「実戦を終える」か、決めたゲーム数で実戦が終わると、ここで設定を予想します。"));
    for (QPushButton* button : guesses_)
        button->setEnabled(false);
    result_->clear();
    for (std::size_t row = 0; row < estimate_.size(); ++row) {
        estimate_[row]->setText(QStringLiteral("—"));
        marks_[row]->clear();
    }
    summary_->clear();
    newSession_->setEnabled(false);
}
