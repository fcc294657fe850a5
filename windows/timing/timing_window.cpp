#include "windows/timing/timing_window.h"

#include "core/timing/target_choice.h"
#include "ui/announce.h"
#include "ui/fonts.h"
#include "ui/heard_choice.h"
#include "ui/heard_line.h"
#include "ui/text.h"
#include "ui/timer.h"
#include "windows/pieces/hint_colour.h"
#include "windows/pieces/reel_frames.h"
#include "windows/pieces/room_for_texts.h"
#include "windows/pieces/spinning_reel_view.h"
#include "windows/timing/offset_histogram.h"
#include "windows/timing/press_still.h"
#include "windows/timing/statistics_table.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kInOrder = 3;  // the reel choice that asks left, center and right in turn

bool isStopKey(int key)
{
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Z:
    case Qt::Key_X:
    case Qt::Key_C:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right: return true;
    default: return false;
    }
}

bool isNextKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A bold label as wide as the widest of its texts, so that nothing round it
// moves as its text changes; read by its text, never by a fixed name.
template <typename Label = QLabel>
Label* announcedLabel(const char* name, const QStringList& widest, QWidget* parent)
{
    auto* label = new Label(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(ui::designFont(ui::bold(15.75)));
    keepRoomFor(label, widest);
    return label;
}

}  // namespace

TimingWindow::TimingWindow(std::array<QImage, 3> strips, TimingHistory history, std::uint64_t seed, TimingClock clock)
    : FeatureWindow("Timing", QStringLiteral("目押し練習")),
      clock_(std::move(clock)),
      history_(std::move(history)),
      random_(seed)
{
    stand_ = new ui::Timer(this, "stand");
    stand_->onTick([this] { standWhenDue(); });
    buildControls(std::move(strips));

    const StoredPresses stored = history_.load();
    statistics_ = stored.statistics;
    if (stored.underEarlierRule > 0) {
        earlierRuleNote_->setText(
            QStringLiteral("以前の止め方（実機より 1 コマ手前で止まっていました）で記録した %1 回の押し方は、成績と傾向に含めていません。")
                .arg(stored.underEarlierRule));
        earlierRuleNote_->show();
    }
    sayProblem();
    showStatistics();
    for (SpinningReelView* reel : reels_)
        reel->standAt(random_.between(1, reel::kPositions));
    startTarget(false);
}

void TimingWindow::buildControls(std::array<QImage, 3> strips)
{
    auto* reelRow = new QHBoxLayout;
    reelRow->setSpacing(6);
    static constexpr const char* kReelNames[] = {"reel_left", "reel_center", "reel_right"};
    for (reel::Reel reel : reel::kReels) {
        auto* view = new SpinningReelView(reel, std::move(strips[reel]), clock_.steadyUs, this);
        view->setObjectName(QString::fromLatin1(kReelNames[reel]));
        connect(view, &SpinningReelView::clicked, this, [this, view](quint64 stamp) {
            if (view == askedReel() && isSpinning())
                pressed(stamp);
        });
        reelRow->addWidget(view, 0, Qt::AlignTop);
        reels_[reel] = view;
    }
    frames_ = new ReelFrames(this, {reels_.begin(), reels_.end()});
    still_ = new PressStill(this);
    still_->setObjectName(QStringLiteral("pressStill"));
    reelRow->addSpacing(6);
    reelRow->addWidget(still_, 0, Qt::AlignTop);

    targetLabel_ = announcedLabel<ui::HeardLine>("target", {QStringLiteral("中リール 上段に チェリー"),
                                              QStringLiteral("中リール 上段に Ｖサイン")}, this);
    result_ = announcedLabel("result", {QStringLiteral("20 コマ早い (−9999 ms)")}, this);

    auto* keys = new QLabel(QStringLiteral("Space・Z/X/C・←↓→ で止める　Enter・Space で次へ"), this);
    paintAsHint(keys);

    next_ = new QPushButton(QStringLiteral("次へ"), this);
    next_->setObjectName(QStringLiteral("next"));
    next_->setAccessibleName(QStringLiteral("次の目標へ"));
    next_->setFont(ui::designFont(ui::bold(12)));
    next_->setMinimumWidth(120);
    connect(next_, &QPushButton::clicked, this, &TimingWindow::goOn);

    rpm_ = new QSpinBox(this);
    rpm_->setObjectName(QStringLiteral("rpm"));
    rpm_->setRange(timing::kMinRpm, timing::kMaxRpm);
    rpm_->setValue(timing::kMaxRpm);
    rpm_->setSuffix(QStringLiteral(" 回転/分"));
    rpm_->setAccessibleName(QStringLiteral("回転数"));
    connect(rpm_, &QSpinBox::valueChanged, this, &TimingWindow::changeSpeed);

    reelChoice_ = new QComboBox(this);
    reelChoice_->setObjectName(QStringLiteral("reelChoice"));
    reelChoice_->addItems({QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右"), QStringLiteral("順押し")});
    reelChoice_->setAccessibleName(QStringLiteral("押すリール"));
    connect(reelChoice_, &QComboBox::currentIndexChanged, this, &TimingWindow::chooseReels);
    ui::hearValueOf(reelChoice_);

    slip_ = new QSpinBox(this);
    slip_->setObjectName(QStringLiteral("slip"));
    slip_->setRange(0, 4);
    slip_->setSuffix(QStringLiteral(" コマ"));
    slip_->setSpecialValueText(QStringLiteral("なし（ビタ押し）"));
    slip_->setAccessibleName(QStringLiteral("すべり"));

    // Wide enough for the suffix and the words of 0, which Qt's size leaves out.
    for (QSpinBox* box : {rpm_, slip_})
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("なし（ビタ押し）")) + 56);

    auto* settings = new QFormLayout;
    settings->addRow(QStringLiteral("押すリール(&L)"), reelChoice_);
    settings->addRow(QStringLiteral("回転数(&R)"), rpm_);
    settings->addRow(QStringLiteral("すべり(&S)"), slip_);

    auto* asked = new QVBoxLayout;
    asked->addWidget(targetLabel_);
    asked->addWidget(result_);
    asked->addWidget(keys);
    asked->addStretch(1);
    auto* nextRow = new QHBoxLayout;
    nextRow->addWidget(next_);
    nextRow->addStretch(1);
    asked->addLayout(nextRow);

    auto* play = new QHBoxLayout;
    play->addLayout(reelRow);
    play->addSpacing(16);
    play->addLayout(asked, 1);
    play->addSpacing(16);
    play->addLayout(settings);

    table_ = new StatisticsTable(this);
    table_->setObjectName(QStringLiteral("statistics"));
    table_->setAccessibleName(QStringLiteral("目押しの成績"));
    histogram_ = new OffsetHistogram(this);
    histogram_->setObjectName(QStringLiteral("histogram"));
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("hint"));
    hint_->setTextFormat(Qt::PlainText);
    hint_->setMinimumHeight(hint_->fontMetrics().height() + 4);

    auto* results = new QGroupBox(QStringLiteral("成績"), this);
    auto* histogramColumn = new QVBoxLayout;
    histogramColumn->addWidget(new QLabel(QStringLiteral("直近 100 回のずれ"), results));
    histogramColumn->addWidget(histogram_);
    histogramColumn->addWidget(hint_);
    histogramColumn->addStretch(1);
    auto* resultsLayout = new QHBoxLayout(results);
    resultsLayout->addWidget(table_, 0, Qt::AlignTop);
    resultsLayout->addSpacing(12);
    resultsLayout->addLayout(histogramColumn);

    auto* window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(play);
    window->addWidget(results);
    earlierRuleNote_ = new QLabel(this);
    earlierRuleNote_->setObjectName(QStringLiteral("earlierRuleNote"));
    earlierRuleNote_->setTextFormat(Qt::PlainText);
    earlierRuleNote_->setWordWrap(true);
    earlierRuleNote_->hide();
    window->addWidget(earlierRuleNote_);
    window->addWidget(recordNote());

    setTabOrder(next_, reelChoice_);
    setTabOrder(reelChoice_, rpm_);
    setTabOrder(rpm_, slip_);
    setTabOrder(slip_, table_);
}

// The stop and next keys work whichever control of the window has the focus;
// an open list or a modal question keeps its keys.
bool TimingWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (FeatureWindow::eventFilter(watched, event))
        return true;
    const QKeyEvent* key = keyPressedHere(watched, event);
    if (!key || !isPlain(key))
        return false;
    const int k = key->key();
    bool ours = false;
    switch (phase_) {
    case Phase::Turning: ours = isStopKey(k); break;
    // A key on the way to the stop neither presses again nor cuts the stand short.
    case Phase::Sliding: ours = isStopKey(k) || isNextKey(k); break;
    // A stop key meant for the reel never changes a box instead.
    case Phase::Standing: ours = isNextKey(k) || (isStopKey(k) && isBox(watched)); break;
    }
    if (!ours || key->isAutoRepeat())
        return ours;  // a held key neither stops nor goes on again
    if (phase_ == Phase::Turning)
        pressed(key->timestamp());
    else if (phase_ == Phase::Standing && isNextKey(k))
        goOn();
    return true;
}

// Asks a new target of the reel the choice names. A reel still turning for
// the last target turns on for this one. The target line is heard wherever
// the focus is. `focusReel`: the focus moves to the asked reel; a box being
// changed keeps it.
void TimingWindow::startTarget(bool focusReel)
{
    const int choice = reelChoice_->currentIndex();
    const reel::Reel reel = choice == kInOrder ? target_.reel : static_cast<reel::Reel>(choice);
    target_ = timing::randomTarget(reel, random_);
    for (SpinningReelView* view : reels_)
        view->markRow(view == askedReel() ? std::optional(target_.row) : std::nullopt);
    if (!askedReel()->isSpinning()) {
        spin_ = {rpm_->value(), askedReel()->upperPosition(), clock_.steadyUs()};
        askedReel()->spin(spin_);
    }
    phase_ = Phase::Turning;

    const QString target = ui::qt(timing::targetText(target_));
    targetLabel_->say(target);
    ui::setValueDetail(reelChoice_, target);
    result_->clear();
    still_->clear();
    // Left on a disabled button, the focus would move on to a setting.
    if (focusReel || next_->hasFocus())
        askedReel()->setFocus(Qt::OtherFocusReason);
    next_->setEnabled(false);
    frames_->follow();
}

// The press stops the reel where the machine would; it turns on to that
// stop, and the result is shown once it stands. The press is kept at once.
void TimingWindow::pressed(quint64 timestampMs)
{
    const std::int64_t pressUs = eventClock_.momentOf(timestampMs, clock_.steadyUs());
    const int slip = slip_->value();
    press_ = timing::pressAt(spin_, target_, slip, pressUs);
    spin_ = spin_.stoppingAfter(press_.stopSteps);
    askedReel()->spin(spin_);
    phase_ = Phase::Sliding;
    record({clock_.utcMs(), target_, spin_.rpm, slip, press_.stoppedCell, press_.hit, press_.cellsOff,
            press_.offsetMs});
    standWhenDue();
}

// Stands the reel once its stop's moment has come, and says the result then;
// until then, waits for it. A press that arrives after its stop's moment
// stands the reel at once.
void TimingWindow::standWhenDue()
{
    const std::int64_t leftUs = *spin_.standUs() - clock_.steadyUs();
    if (leftUs > 0) {
        stand_->setInterval(static_cast<int>((leftUs + 999) / 1000));
        stand_->switchOn();
        return;
    }
    const QString hintBefore = hint_->text();
    stand();
    QString said = result_->text();
    if (!hint_->text().isEmpty() && hint_->text() != hintBefore)
        said += QStringLiteral("。") + hint_->text();
    ui::sayThrough(next_, said);
}

void TimingWindow::stand()
{
    stand_->switchOff();
    askedReel()->standAt(press_.stoppedUpperPosition);
    phase_ = Phase::Standing;
    frames_->follow();

    result_->setText(ui::qt(timing::resultText(press_)));
    ui::announceNameChange(result_);
    still_->showPress(askedReel()->strip(), press_.targetCell, press_.offsetCells);
    statistics_.add(target_.symbol, press_.hit, press_.offsetMs, press_.offsetCells);
    showStatistics();
    next_->setEnabled(true);
}

void TimingWindow::goOn()
{
    if (phase_ != Phase::Standing)
        return;
    if (reelChoice_->currentIndex() == kInOrder)
        target_.reel = static_cast<reel::Reel>((target_.reel + 1) % std::size(reel::kReels));
    startTarget(true);
}

// A new choice asks at once. A reel on its way to a stop stands there, with
// its result; one turning for the old choice stands at once on the next cell
// to stand aligned, forward; one asked again turns on.
void TimingWindow::chooseReels()
{
    if (phase_ == Phase::Sliding)
        stand();
    const int choice = reelChoice_->currentIndex();
    const reel::Reel reel = choice == kInOrder ? reel::Left : static_cast<reel::Reel>(choice);
    if (phase_ == Phase::Turning && reel != target_.reel)
        askedReel()->standAt(spin_.cellAfter(spin_.nextAlignedStep(clock_.steadyUs()), timing::Upper));
    target_.reel = reel;
    startTarget(false);
}

// A new speed turns the reel on at once; a reel on its way to a stop keeps its pace.
void TimingWindow::changeSpeed(int rpm)
{
    if (isSpinning()) {
        spin_ = spin_.withRpm(rpm, clock_.steadyUs());
        askedReel()->spin(spin_);
    }
    showStatistics();
}

void TimingWindow::showStatistics()
{
    table_->showStatistics(statistics_);
    histogram_->showCounts(statistics_.histogram(OffsetHistogram::kBinMs, OffsetHistogram::kBins),
                           timing::ReelSpin{rpm_->value()}.cellUs() / 2000.0);
    const QString hint = ui::qt(statistics_.biasHint());
    if (hint != hint_->text()) {
        hint_->setText(hint);
        ui::announceNameChange(hint_);
    }
}

void TimingWindow::record(const PressRecord& press)
{
    if (!history_.record(press))
        sayProblem();
}

// Says once why the history cannot be kept; the drill goes on in memory.
void TimingWindow::sayProblem()
{
    sayRecordProblem(history_.takeNewProblem(),
                     {QStringLiteral("記録を保存できません（%1）。練習はこのまま続けられますが、次に開いたときには残っていません。"),
                      QStringLiteral("これまでの記録を読めません（%1）。成績はこの回の押し方から数えます。")},
                     "timing history");
}
