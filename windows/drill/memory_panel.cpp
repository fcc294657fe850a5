#include "windows/drill/memory_panel.h"

#include "core/drill/memory/fit_rule.h"
#include "ui/announce.h"
#include "ui/heard_line.h"
#include "windows/drill/calibration_chart.h"
#include "windows/drill/drill_button.h"
#include "windows/drill/forecast_chart.h"
#include "windows/pieces/number_text.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Wide enough for the charts and the figures' table, narrow enough that the
// drill fits a 1280-pixel screen.
constexpr int kPanelTextWidth = 300;

template <typename Label = QLabel>
Label* textLabel(const QString& name, QWidget* parent)
{
    auto* label = new Label(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(kPanelTextWidth);
    return label;
}

// Holds a label's height at that of the tallest of its texts, so that the
// window keeps its size as the texts change.
void reserveFor(QLabel* label, const QStringList& texts)
{
    int tallest = 0;
    for (const QString& text : texts)
        tallest = std::max(tallest, label->fontMetrics()
                                        .boundingRect(QRect(0, 0, kPanelTextWidth, 10'000), Qt::TextWordWrap, text)
                                        .height());
    label->setMinimumHeight(tallest);
}

QLabel* figureLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QString figureText(double figure)
{
    return std::isnan(figure) ? QStringLiteral("—") : QString::number(figure, 'f', 3);
}

QString whenText(std::int64_t ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toLocalTime().toString(QStringLiteral("M/d H:mm"));
}

QString retentionText(const TrueRetention& retention)
{
    if (retention.reviews == 0)
        return QStringLiteral("—（復習なし）");
    return QStringLiteral("%1%（%2 件）").arg(100 * retention.right / retention.reviews).arg(countText(retention.reviews));
}

const QString kFitting = QStringLiteral("合わせています…ドリルはこのまま続けられます。");

}  // namespace

MemoryPanel::MemoryPanel(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("記憶モデル（忘れ方の予測）"));
    fit_ = new DrillButton(QStringLiteral("記憶モデルを合わせる"), this);
    fit_->setObjectName(QStringLiteral("fitMemoryModel"));
    fit_->setAccessibleName(QStringLiteral("記憶モデルをあなたの答えに合わせる"));
    fit_->setAutoDefault(true);
    // Heard when a fit starts and when it ends, wherever the keyboard is.
    fitState_ = textLabel<ui::HeardLine>(QStringLiteral("memoryFitState"), this);
    reserveFor(fitState_, {kFitting});

    weights_ = textLabel(QStringLiteral("memoryWeights"), this);
    reserveFor(weights_, {QStringLiteral("使っている重み：あなたの答え 999,999 件から（12/31 23:59 に合わせたもの）")});

    figuresCaption_ = textLabel(QStringLiteral("memoryFiguresCaption"), this);
    reserveFor(figuresCaption_, {QStringLiteral("新しい 2 割の答え 99,999 件での予測の誤差（小さいほど良い）")});
    logLossDefault_ = figureLabel(QStringLiteral("logLossDefault"), this);
    rmseBinsDefault_ = figureLabel(QStringLiteral("rmseBinsDefault"), this);
    logLossFitted_ = figureLabel(QStringLiteral("logLossFitted"), this);
    rmseBinsFitted_ = figureLabel(QStringLiteral("rmseBinsFitted"), this);
    auto* figures = new QGridLayout;
    figures->addWidget(new QLabel(QStringLiteral("対数損失"), this), 0, 1, Qt::AlignRight);
    figures->addWidget(new QLabel(QStringLiteral("RMSE(bins)"), this), 0, 2, Qt::AlignRight);
    figures->addWidget(new QLabel(QStringLiteral("既定の重み"), this), 1, 0);
    figures->addWidget(logLossDefault_, 1, 1);
    figures->addWidget(rmseBinsDefault_, 1, 2);
    figures->addWidget(new QLabel(QStringLiteral("あなたに合わせた重み"), this), 2, 0);
    figures->addWidget(logLossFitted_, 2, 1);
    figures->addWidget(rmseBinsFitted_, 2, 2);
    figures->setColumnStretch(0, 1);
    figures->setHorizontalSpacing(16);
    figures->setVerticalSpacing(2);

    verdict_ = textLabel(QStringLiteral("memoryVerdict"), this);
    reserveFor(verdict_, {QStringLiteral("合わせた重みは今の重みより当たらなかったので、今の重みのままにしました。"),
                          QStringLiteral("まだ合わせていません。答えが %1 件になると自動で合わせます。").arg(kFirstFitAnswers)});

    calibration_ = new CalibrationChart(this);
    calibration_->setObjectName(QStringLiteral("calibrationChart"));
    retention_ = textLabel(QStringLiteral("trueRetention"), this);
    reserveFor(retention_, {QStringLiteral("実際に思い出せた率（復習）\n7日 100%（99,999 件）　30日 100%（99,999 件）")});
    dailyWork_ = textLabel(QStringLiteral("dailyWork"), this);
    reserveFor(dailyWork_, {QStringLiteral("覚えておきたい確率 97% なら、復習は一日およそ 9,999 枚（今のカードで 30 日の平均）")});
    forecast_ = new ForecastChart(this);
    forecast_->setObjectName(QStringLiteral("forecastChart"));

    auto* button = new QHBoxLayout;
    button->addWidget(fit_);
    button->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(4);
    column->addLayout(button);
    column->addWidget(fitState_);
    column->addWidget(weights_);
    column->addSpacing(4);
    column->addWidget(figuresCaption_);
    column->addLayout(figures);
    column->addWidget(verdict_);
    column->addSpacing(4);
    column->addWidget(new QLabel(QStringLiteral("予測と実際（新しい 2 割の答え）"), this));
    column->addWidget(calibration_);
    column->addSpacing(4);
    column->addWidget(retention_);
    column->addWidget(dailyWork_);
    column->addSpacing(4);
    column->addWidget(new QLabel(QStringLiteral("これからの復習（今日から 14 日、枚数）"), this));
    column->addWidget(forecast_);
    column->addStretch(1);

    showFitting(false);
    showFits(std::nullopt, std::nullopt);
    showWork({});
}

void MemoryPanel::showFitting(bool fitting)
{
    fit_->setEnabled(!fitting);
    const QString state = fitting ? kFitting
                          : latest_ ? QStringLiteral("最後に合わせたのは %1（答え %2 件）")
                                          .arg(whenText(latest_->fittedAtMs), countText(latest_->fit.answers))
                                    : QString();
    if (state != fitState_->text())
        fitState_->say(state);
}

void MemoryPanel::showFits(const std::optional<MemoryFitRecord>& latest, const std::optional<MemoryFitRecord>& inUse)
{
    latest_ = latest;
    weights_->setText(inUse ? QStringLiteral("使っている重み：あなたの答え %1 件から（%2 に合わせたもの）")
                                  .arg(countText(inUse->fit.answers), whenText(inUse->fittedAtMs))
                            : QStringLiteral("使っている重み：既定（FSRS-6 の公開値）"));
    if (!latest) {
        figuresCaption_->setText(QStringLiteral("予測の誤差（小さいほど良い）"));
        for (QLabel* figure : {logLossDefault_, rmseBinsDefault_, logLossFitted_, rmseBinsFitted_})
            figure->setText(QStringLiteral("—"));
        verdict_->setText(QStringLiteral("まだ合わせていません。答えが %1 件になると自動で合わせます。").arg(kFirstFitAnswers));
    } else {
        const MemoryFit& fit = latest->fit;
        figuresCaption_->setText(QStringLiteral("新しい 2 割の答え %1 件での予測の誤差（小さいほど良い）")
                                     .arg(countText(fit.heldOutAnswers)));
        logLossDefault_->setText(figureText(fit.defaults.logLoss));
        rmseBinsDefault_->setText(figureText(fit.defaults.rmseBins));
        logLossFitted_->setText(figureText(fit.fitted.logLoss));
        rmseBinsFitted_->setText(figureText(fit.fitted.rmseBins));
        verdict_->setText(fit.kept ? QStringLiteral("合わせた重みのほうがよく当たったので、これを使います。")
                          : fit.heldOutAnswers == 0
                              ? QStringLiteral("答えが少なく、確かめられませんでした。今の重みのままです。")
                              : QStringLiteral("合わせた重みは今の重みより当たらなかったので、今の重みのままにしました。"));
    }
    showFitting(!fit_->isEnabled());
    for (QLabel* label : {weights_, figuresCaption_, verdict_})
        ui::announceNameChange(label);
}

void MemoryPanel::showWork(const MemoryWork& work)
{
    calibration_->setBins(work.calibration);
    retention_->setText(QStringLiteral("実際に思い出せた率（復習）\n7日 %1　30日 %2")
                            .arg(retentionText(work.lastWeek), retentionText(work.lastMonth)));
    ui::announceNameChange(retention_);
}

void MemoryPanel::showDailyWork(double answersADay, double retention)
{
    const QString work = QStringLiteral("覚えておきたい確率 %1% なら、復習は一日およそ %2 枚（今のカードで 30 日の平均）")
                             .arg(qRound(100 * retention))
                             .arg(countText(std::llround(answersADay)));
    if (work == dailyWork_->text())
        return;
    dailyWork_->setText(work);
    ui::announceNameChange(dailyWork_);
}

void MemoryPanel::showForecast(std::vector<int> due, QDate today)
{
    forecast_->setForecast(std::move(due), today);
}
