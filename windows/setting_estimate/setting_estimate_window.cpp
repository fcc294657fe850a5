#include "windows/setting_estimate/setting_estimate_window.h"

#include "core/setting_estimate/setting_estimate.h"
#include "ui/fonts.h"
#include "ui/heard_choice.h"
#include "windows/setting_estimate/probability_bar.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using setting_odds::kSettings;

// A machine's games over a long stay; the estimate works far beyond.
constexpr int kMostGames = 10'000'000;
// Below this many games the counts say little, whatever they are.
constexpr int kFewGames = 3000;

QString percent(double probability)
{
    return QStringLiteral("%1 %").arg(probability * 100, 0, 'f', 1);
}

QString faultText(setting_estimate::Fault fault)
{
    switch (fault) {
    case setting_estimate::Fault::NegativeCount: return QStringLiteral("回数はマイナスにできません。");
    case setting_estimate::Fault::MoreBonusesThanGames:
        return QStringLiteral("BIG と REG の合計がゲーム数を超えています。");
    case setting_estimate::Fault::BadPrior: return QStringLiteral("見込みはどの設定も 0 % より大きくしてください。");
    }
    return {};
}

// A result line a screen reader reaches by Tab and reads there: a label
// that takes the keyboard focus, showing it as a text cursor.
void readableByTab(QLabel* label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::TabFocus);
}

// Shows a summary line, reached by Tab only while it says something.
void showLine(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

QSpinBox* countBox(QWidget* parent, const char* name, int most)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, most);
    box->setGroupSeparatorShown(true);
    box->setAlignment(Qt::AlignRight);
    return box;
}

}  // namespace

SettingEstimateWindow::SettingEstimateWindow() : FeatureWindow("SettingEstimate", QStringLiteral("設定判別"))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildCounts());
    layout->addWidget(buildPrior());
    layout->addWidget(buildSettings());
    // Made after the results, so that Tab reaches it last and the window
    // opens with the keyboard on the games.
    caution_ = new QLabel(this);
    caution_->setObjectName(QStringLiteral("caution"));
    caution_->setWordWrap(true);
    readableByTab(caution_);
    layout->addWidget(caution_);
    layout->addStretch(1);
    update();
}

QWidget* SettingEstimateWindow::buildCounts()
{
    auto* box = new QGroupBox(QStringLiteral("数えた回数"), this);
    games_ = countBox(box, "games", kMostGames);
    games_->setSingleStep(100);
    bigCount_ = countBox(box, "bigCount", kMostGames);
    regCount_ = countBox(box, "regCount", kMostGames);
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("ゲーム数(&G)"), games_);
    form->addRow(QStringLiteral("BIG の回数(&B)"), bigCount_);
    form->addRow(QStringLiteral("REG の回数(&R)"), regCount_);
    for (QSpinBox* count : {games_, bigCount_, regCount_})
        connect(count, &QSpinBox::valueChanged, this, &SettingEstimateWindow::update);
    return box;
}

// Before counting, each setting is as likely as the player thinks: evenly, or
// by weights of their own in percent.
QWidget* SettingEstimateWindow::buildPrior()
{
    auto* box = new QGroupBox(QStringLiteral("打つ前の見込み"), this);
    prior_ = new QComboBox(box);
    prior_->setObjectName(QStringLiteral("prior"));
    prior_->addItems({QStringLiteral("均等"), QStringLiteral("自分で決める")});
    prior_->setAccessibleName(QStringLiteral("打つ前の見込み"));
    ui::hearValueOf(prior_);

    priorWeights_ = new QWidget(box);
    auto* weights = new QGridLayout(priorWeights_);
    weights->setContentsMargins(0, 0, 0, 0);
    for (int s = 1; s <= kSettings; ++s) {
        auto* weight = new QDoubleSpinBox(priorWeights_);
        weight->setObjectName(QStringLiteral("priorWeight_%1").arg(s));
        weight->setRange(0, 100);
        weight->setDecimals(1);
        weight->setSuffix(QStringLiteral(" %"));
        weight->setValue(100.0 / kSettings);
        weight->setAccessibleName(QStringLiteral("設定%1 の見込み").arg(s));
        auto* caption = new QLabel(QStringLiteral("設定%1").arg(s), priorWeights_);
        caption->setBuddy(weight);
        weights->addWidget(caption, (s - 1) / 3, (s - 1) % 3 * 2);
        weights->addWidget(weight, (s - 1) / 3, (s - 1) % 3 * 2 + 1);
        connect(weight, &QDoubleSpinBox::valueChanged, this, &SettingEstimateWindow::update);
        weights_[s - 1] = weight;
    }
    priorWeights_->setVisible(false);
    connect(prior_, &QComboBox::currentIndexChanged, this, [this](int chosen) {
        priorWeights_->setVisible(chosen == 1);
        update();
    });

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(prior_);
    layout->addWidget(priorWeights_);
    return box;
}

QWidget* SettingEstimateWindow::buildSettings()
{
    auto* box = new QGroupBox(QStringLiteral("設定ごとの確率"), this);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(2, 1);
    for (int s = 1; s <= kSettings; ++s) {
        auto* caption = new QLabel(QStringLiteral("設定%1").arg(s), box);
        auto* probability = new QLabel(box);
        probability->setObjectName(QStringLiteral("posterior_%1").arg(s));
        // Its accessible name reads the whole line, the setting first.
        readableByTab(probability);
        probability->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Wide enough for 100.0 %, so that the bars do not move as the numbers change.
        probability->setMinimumWidth(probability->fontMetrics().horizontalAdvance(QStringLiteral("100.0 %")) + 4);
        auto* bar = new ProbabilityBar(box);
        bar->setObjectName(QStringLiteral("bar_%1").arg(s));
        auto* expected = new QLabel(box);
        expected->setObjectName(QStringLiteral("expected_%1").arg(s));
        grid->addWidget(caption, s - 1, 0);
        grid->addWidget(probability, s - 1, 1);
        grid->addWidget(bar, s - 1, 2);
        grid->addWidget(expected, s - 1, 3);
        posterior_[s - 1] = probability;
        bars_[s - 1] = bar;
        expected_[s - 1] = expected;
    }
    meanSetting_ = new QLabel(box);
    meanSetting_->setObjectName(QStringLiteral("meanSetting"));
    readableByTab(meanSetting_);
    fourOrHigher_ = new QLabel(box);
    fourOrHigher_->setObjectName(QStringLiteral("fourOrHigher"));
    readableByTab(fourOrHigher_);
    grid->addWidget(meanSetting_, kSettings, 0, 1, 4);
    grid->addWidget(fourOrHigher_, kSettings + 1, 0, 1, 4);
    return box;
}

void SettingEstimateWindow::update()
{
    setting_estimate::PerSetting prior = setting_estimate::kEvenPrior;
    if (prior_->currentIndex() == 1)
        for (int i = 0; i < kSettings; ++i)
            prior[i] = weights_[i]->value();
    const auto result = setting_estimate::estimate({games_->value(), bigCount_->value(), regCount_->value()}, prior);

    if (std::holds_alternative<setting_estimate::Fault>(result)) {
        for (int i = 0; i < kSettings; ++i) {
            posterior_[i]->setText(QStringLiteral("―"));
            posterior_[i]->setAccessibleName(QStringLiteral("設定%1 ―").arg(i + 1));
            bars_[i]->setProbability(0);
            expected_[i]->clear();
        }
        showLine(meanSetting_, {});
        showLine(fourOrHigher_, {});
        showLine(caution_, faultText(std::get<setting_estimate::Fault>(result)));
        return;
    }
    const auto& estimate = std::get<setting_estimate::Estimate>(result);
    for (int i = 0; i < kSettings; ++i) {
        posterior_[i]->setText(percent(estimate.probability[i]));
        bars_[i]->setProbability(estimate.probability[i]);
        expected_[i]->setText(QStringLiteral("BIG %1 回・REG %2 回")
                                  .arg(estimate.expectedBig[i], 0, 'f', 1)
                                  .arg(estimate.expectedReg[i], 0, 'f', 1));
        posterior_[i]->setAccessibleName(
            QStringLiteral("設定%1 %2、%3").arg(i + 1).arg(posterior_[i]->text(), expected_[i]->text()));
    }
    showLine(meanSetting_, QStringLiteral("平均の設定: %1").arg(estimate.meanSetting, 0, 'f', 2));
    showLine(fourOrHigher_, QStringLiteral("設定4以上の確率: %1").arg(percent(estimate.fourOrHigher)));
    const double likeliest = *std::max_element(estimate.probability.begin(), estimate.probability.end());
    showLine(caution_, games_->value() < kFewGames || likeliest <= 0.5
                           ? QStringLiteral("この回数ではまだ設定を見分けられません。")
                           : QString());
}
