#include "windows/drill/drill_window.h"

#include "ui/announce.h"
#include "ui/fonts.h"
#include "ui/heard_choice.h"
#include "windows/drill/answer_button.h"
#include "windows/drill/answer_panel.h"
#include "windows/drill/drill_button.h"
#include "windows/drill/group_bars.h"
#include "windows/drill/group_text.h"
#include "windows/drill/learning_curve.h"
#include "windows/drill/map_legend.h"
#include "windows/drill/mastery_map.h"
#include "windows/drill/memory_fitting.h"
#include "windows/drill/memory_panel.h"
#include "windows/drill/pattern_view.h"
#include "windows/drill/verdict_text.h"
#include "windows/pieces/hint_colour.h"

#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kButtonsPerRow = 4;
constexpr int kPairButtonsPerRow = 3;

const QColor kRightFace(0xDC, 0xF5, 0xDC);
const QColor kWrongFace(0xFD, 0xE0, 0xE0);

// Fixes a label's size to the largest of its texts, so that nothing round it
// moves when its text changes.
void fitLargest(QLabel* label, const QStringList& texts)
{
    QSize largest;
    for (const QString& text : texts) {
        label->setText(text);
        largest = largest.expandedTo(label->sizeHint());
    }
    label->setMinimumSize(largest);
    label->clear();
}

QLabel* statusLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void paintFace(QWidget* widget, QPalette::ColorRole role, const QColor& face)
{
    QPalette palette = widget->palette();
    palette.setColor(role, face);
    widget->setPalette(palette);
}

}  // namespace

DrillWindow::DrillWindow(std::array<QImage, 3> strips, DrillHistory history, std::uint64_t seed, DrillClock clock)
    : FeatureWindow("Drill", QStringLiteral("リーチ目ドリル")),
      clock_(std::move(clock)),
      drill_(seed, clock_.utcMs()),
      pairDrill_(seed, clock_.utcMs()),
      history_(std::move(history))
{
    buildControls(std::move(strips));
    restoreProgress();
    showScore();
    showQuestion();
    showMemoryStanding();
}

DrillWindow::~DrillWindow() = default;

void DrillWindow::buildControls(std::array<QImage, 3> strips)
{
    pattern_ = new PatternView(std::move(strips), this);
    pattern_->setObjectName(QStringLiteral("pattern"));

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setTextFormat(Qt::PlainText);
    verdict_->setWordWrap(true);
    verdict_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    verdict_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    verdict_->setMargin(8);
    verdict_->setAutoFillBackground(true);
    verdict_->setFont(ui::designFont(ui::bold(14.25)));
    verdict_->setMinimumWidth(300);
    QStringList verdicts{questionText()};
    for (const OutcomeGroup& group : kOutcomeGroups)
        for (char code : group.codes)
            verdicts << verdictText({false, groupIndexOf(code), Grade::Again, 0, {}}, {21, 21, 21}, 99'999);
    verdicts << pairQuestionText() << longestPairVerdicts();
    fitLargest(verdict_, verdicts);
    connect(pattern_, &PatternView::patternPainted, this, [this] {
        if (shownAtMs_ < 0)
            shownAtMs_ = clock_.steadyMs();
    });

    patternAnswers_ = new AnswerPanel(outcomeGroupAnswers(), kButtonsPerRow, this);
    pairAnswers_ = new AnswerPanel(pairVerdictAnswers(), kPairButtonsPerRow, this);
    answerPanels_ = new QStackedWidget(this);
    for (AnswerPanel* panel : {patternAnswers_, pairAnswers_}) {
        connect(panel, &AnswerPanel::chosen, this, &DrillWindow::answer);
        answerPanels_->addWidget(panel);
    }

    modeSwitch_ = makeModeSwitch(this);
    connect(modeSwitch_, &QComboBox::currentIndexChanged, this, &DrillWindow::chooseMode);
    auto* modeCaption = new QLabel(QStringLiteral("問題"), this);
    modeCaption->setBuddy(modeSwitch_);

    leftFilter_ = new QComboBox(this);
    leftFilter_->setObjectName(QStringLiteral("leftFilter"));
    leftFilter_->setAccessibleName(QStringLiteral("左リールの位置"));
    leftFilter_->addItem(QStringLiteral("全部"));
    for (int left = 1; left <= reel::kPositions; ++left)
        leftFilter_->addItem(QString::number(left));
    connect(leftFilter_, &QComboBox::currentIndexChanged, this, &DrillWindow::chooseLeftFilter);
    ui::hearValueOf(leftFilter_);
    auto* filterCaption = new QLabel(QStringLiteral("左リール"), this);
    filterCaption->setBuddy(leftFilter_);

    keysHint_ = new QLabel(keysHint(mode_), this);
    // Dimmer than the other texts, yet 4.5:1 and more against the window.
    paintAsHint(keysHint_);

    next_ = new DrillButton(QStringLiteral("次へ"), this);
    next_->setObjectName(QStringLiteral("next"));
    next_->setAccessibleName(QStringLiteral("次の目へ"));
    next_->setAutoDefault(true);  // Enter goes on while it has the focus
    next_->setFont(ui::designFont(ui::bold(12)));
    next_->setMinimumWidth(120);
    connect(next_, &QPushButton::clicked, this, &DrillWindow::goOn);

    reset_ = new DrillButton(QStringLiteral("成績を消す…"), this);
    reset_->setObjectName(QStringLiteral("reset"));
    reset_->setAccessibleName(QStringLiteral("成績を消して最初から"));
    connect(reset_, &QPushButton::clicked, this, &DrillWindow::confirmReset);

    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("score"));
    score_->setTextFormat(Qt::PlainText);
    score_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    score_->setFont(ui::designFont(ui::bold(12)));
    fitLargest(score_, {QStringLiteral("正解 99999 / 99999 問（100%）\n連続正解 99999")});

    const int cards = std::max(drill_.deck().size(), pairDrill_.deck().size());
    status_ = statusLabel(QStringLiteral("status"), this);
    fitLargest(status_, {QStringLiteral("今日の分は終わりました。よく覚えていない順に出します。")});
    learned_ = statusLabel(QStringLiteral("learned"), this);
    fitLargest(learned_, {QStringLiteral("覚えた %1 / %1").arg(cards)});
    today_ = statusLabel(QStringLiteral("today"), this);
    fitLargest(today_, {QStringLiteral("今日　復習 9999　新規 999　残り 999")});

    map_ = new MasteryMap(this);
    map_->setObjectName(QStringLiteral("masteryMap"));
    curve_ = new LearningCurve(this);
    curve_->setObjectName(QStringLiteral("learningCurve"));

    retention_ = new QDoubleSpinBox(this);
    retention_->setObjectName(QStringLiteral("retention"));
    retention_->setRange(kLeastRetention, kMostRetention);
    retention_->setSingleStep(0.01);
    retention_->setDecimals(2);
    retention_->setValue(kDefaultRetention);
    retention_->setAccessibleName(QStringLiteral("覚えておきたい確率"));
    newCardCap_ = new QSpinBox(this);
    newCardCap_->setObjectName(QStringLiteral("newCardCap"));
    newCardCap_->setRange(0, kMostNewCardsADay);
    newCardCap_->setSpecialValueText(QStringLiteral("なし"));
    newCardCap_->setAccessibleName(QStringLiteral("一日の新しいカードの上限"));
    connect(retention_, &QDoubleSpinBox::valueChanged, this, &DrillWindow::changeSettings);
    connect(newCardCap_, &QSpinBox::valueChanged, this, &DrillWindow::changeSettings);

    bars_ = new GroupBars(outcomeGroupBars(), this);
    bars_->setObjectName(QStringLiteral("groupBars"));
    pairBars_ = new GroupBars(pairVerdictBars(), this);
    pairBars_->setObjectName(QStringLiteral("verdictBars"));
    barPanels_ = new QStackedWidget(this);
    barPanels_->addWidget(bars_);
    barPanels_->addWidget(pairBars_);

    auto* question = new QHBoxLayout;
    question->addWidget(pattern_, 0, Qt::AlignTop);
    question->addWidget(verdict_, 1);

    auto* controls = new QHBoxLayout;
    controls->addWidget(filterCaption);
    controls->addWidget(leftFilter_);
    controls->addSpacing(16);
    controls->addWidget(keysHint_, 1);
    controls->addWidget(next_);

    auto* settings = new QFormLayout;
    settings->addRow(QStringLiteral("覚えておきたい確率"), retention_);
    settings->addRow(QStringLiteral("新しいカード（一日）"), newCardCap_);
    controls->addSpacing(16);
    controls->addLayout(settings);

    auto* results = new QGroupBox(QStringLiteral("成績"), this);
    auto* resultsLayout = new QHBoxLayout(results);
    auto* scoreColumn = new QVBoxLayout;
    scoreColumn->addWidget(score_);
    scoreColumn->addWidget(learned_);
    scoreColumn->addWidget(today_);
    scoreColumn->addStretch(1);
    scoreColumn->addWidget(reset_);
    resultsLayout->addLayout(scoreColumn);
    resultsLayout->addSpacing(24);
    resultsLayout->addWidget(barPanels_, 1);

    mapBox_ = new QGroupBox(mapTitle(mode_), this);
    auto* mapLayout = new QVBoxLayout(mapBox_);
    mapLayout->addWidget(map_);
    auto* legend = new MapLegend(this);
    legend->setObjectName(QStringLiteral("mapLegend"));
    mapLayout->addWidget(legend);
    auto* curveBox = new QGroupBox(QStringLiteral("学習曲線（30日）"), this);
    auto* curveLayout = new QVBoxLayout(curveBox);
    curveLayout->addWidget(curve_);
    auto* progressColumn = new QVBoxLayout;
    progressColumn->addWidget(mapBox_);
    progressColumn->addWidget(curveBox);
    progressColumn->addStretch(1);

    auto* drillColumn = new QVBoxLayout;
    drillColumn->addLayout(question);
    drillColumn->addWidget(answerPanels_);
    // The mode beside the status line, where the controls' row has no room left.
    auto* modeAndStatus = new QHBoxLayout;
    modeAndStatus->addWidget(modeCaption);
    modeAndStatus->addWidget(modeSwitch_);
    modeAndStatus->addSpacing(16);
    modeAndStatus->addWidget(status_, 1);
    drillColumn->addLayout(modeAndStatus);
    drillColumn->addLayout(controls);
    drillColumn->addWidget(results);
    drillColumn->addWidget(recordNote());

    // The cards' standing and the memory model share the window's right
    // side, a tab each, so that the window fits a 1280 × 1024 screen.
    buildMemory();
    auto* progressPage = new QWidget(this);
    progressPage->setLayout(progressColumn);
    auto* progressTabs = new QTabWidget(this);
    progressTabs->setObjectName(QStringLiteral("progressTabs"));
    progressTabs->addTab(progressPage, QStringLiteral("覚え具合"));
    progressTabs->addTab(memory_, QStringLiteral("記憶モデル"));

    auto* window = new QHBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(drillColumn);
    window->addWidget(progressTabs, 0, Qt::AlignTop);

    setTabOrder(patternAnswers_->button(patternAnswers_->count() - 1), pairAnswers_->button(0));
    setTabOrder(pairAnswers_->button(pairAnswers_->count() - 1), next_);
    setTabOrder(next_, modeSwitch_);
    setTabOrder(modeSwitch_, leftFilter_);
    setTabOrder(leftFilter_, retention_);
    setTabOrder(retention_, newCardCap_);
    setTabOrder(newCardCap_, reset_);
    setTabOrder(reset_, memory_->fitButton());
}

void DrillWindow::restoreProgress()
{
    const qint64 now = clock_.utcMs();
    Progress loaded = history_.load(now);
    loaded.settings.utcOffsetMs = QDateTime::fromMSecsSinceEpoch(now).offsetFromUtc() * qint64{1000};
    if (history_.tookOverOldProgress())
        note(QStringLiteral("以前の成績を引き継ぎました。次の答えから %1 に記録します。").arg(history_.path()));
    sayProblem();
    drill_.setSettings(loaded.settings);
    restoreMemory();
    drill_.restore(loaded.score, loaded.cards, loaded.day, clock_.utcMs());
    pairDrill_.setSettings(loaded.settings);
    pairDrill_.restore(loaded.pairs.score, loaded.pairs.cards, loaded.pairs.day, clock_.utcMs());
    openedOnDay_ = drill_.dayOf(now);
    daysBefore_ = history_.daysFrom(openedOnDay_ - LearningCurve::kDays, openedOnDay_ - 1, loaded.settings.utcOffsetMs);
    recentAnswers_ = history_.answersSince(openedOnDay_ * kMsPerDay - loaded.settings.utcOffsetMs);
    showCurve();
    const QSignalBlocker retentionQuiet(retention_);
    const QSignalBlocker capQuiet(newCardCap_);
    retention_->setValue(loaded.settings.retention);
    newCardCap_->setValue(loaded.settings.newCardCap);
}

void DrillWindow::open()
{
    FeatureWindow::open();
    if (!withDrill([](const auto& drill) { return drill.isAnswered(); }))
        answers()->button(0)->setFocus(Qt::ActiveWindowFocusReason);
}

AnswerPanel* DrillWindow::answers() const
{
    return mode_ == DrillMode::Pairs ? pairAnswers_ : patternAnswers_;
}

void DrillWindow::keyPressEvent(QKeyEvent* event)
{
    const int chosen = event->key() - Qt::Key_1;
    const bool asking = !withDrill([](const auto& drill) { return drill.isAnswered(); });
    if (isPlain(event) && chosen >= 0 && chosen < answers()->count() && asking && !isBox(focusWidget())) {
        answer(chosen);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrillWindow::showQuestion()
{
    shownAtMs_ = -1;
    if (mode_ == DrillMode::Pairs) {
        const PairDrill::Question& question = pairDrill_.current();
        pattern_->setPair(pairDrill_.deck().card(question.card).order, question.asked);
        verdict_->setText(pairQuestionText());
    } else {
        pattern_->setPattern(drill_.current().asked);
        verdict_->setText(questionText());
    }
    ui::announceNameChange(verdict_);
    paintFace(verdict_, QPalette::Window, palette().color(QPalette::Base));
    answers()->ask();
    // The keys answer from anywhere but the settings, where the focus may
    // stay; the window takes it from "next", so that a second press of Enter
    // answers nothing.
    if (next_->hasFocus() || focusWidget() == nullptr)
        setFocus(Qt::OtherFocusReason);
    next_->setEnabled(false);
    next_->setAccessibleDescription({});
    status_->setText(withDrill([](const auto& drill) { return drill.current().caughtUp; })
                         ? QStringLiteral("今日の分は終わりました。よく覚えていない順に出します。")
                         : QString());
    ui::announceNameChange(status_);
    showStanding();
}

// Timed from the first painted frame of the question; one never painted (a
// hidden window) counts as answered at once.
int DrillWindow::answerMs() const
{
    return shownAtMs_ < 0 ? 0 : static_cast<int>(std::min<qint64>(clock_.steadyMs() - shownAtMs_, 3'600'000));
}

void DrillWindow::answer(int chosen)
{
    if (withDrill([](const auto& drill) { return drill.isAnswered(); }))
        return;
    const int ms = answerMs();
    const qint64 answeredAt = clock_.utcMs();
    AnswerResult result;
    bool recorded = false;
    if (mode_ == DrillMode::Pairs) {
        const PairDrill::Question question = pairDrill_.current();
        const StopOrder order = pairDrill_.deck().card(question.card).order;
        result = pairDrill_.answer(chosen, ms, answeredAt);
        verdict_->setText(pairVerdictText(result, order, question.asked, ms));
        recorded =
            record(PairAnswerRecord{answeredAt, order, question.asked, result.card, chosen, result.right, ms, result.after});
    } else {
        const Pattern pattern = drill_.current().asked;
        result = drill_.answer(chosen, ms, answeredAt);
        verdict_->setText(verdictText(result, pattern, ms));
        recorded = record(AnswerRecord{answeredAt, pattern, result.card, chosen, result.right, ms, result.after});
    }
    ui::announceNameChange(verdict_);
    paintFace(verdict_, QPalette::Window, result.right ? kRightFace : kWrongFace);
    next_->setEnabled(true);
    // Heard where the keyboard goes: a screen reader reads 次へ with the
    // verdict. It goes there before the answers are disabled, so that it does
    // not pass from one disabled answer to the next on its way.
    ui::sayThrough(next_, verdict_->text());
    answers()->showAnswer(result.answer, chosen);
    showScore();
    showStanding();
    showMemoryStanding();
    recentAnswers_.push_back({answeredAt, result.right, ms});
    showCurve();
    memoryAfterAnswer(recorded);
}

void DrillWindow::goOn()
{
    askNext();
    showQuestion();
}

void DrillWindow::askNext()
{
    if (mode_ == DrillMode::Pairs)
        pairDrill_.next(clock_.utcMs());
    else
        drill_.next(clock_.utcMs());
}

void DrillWindow::chooseMode(int index)
{
    mode_ = static_cast<DrillMode>(index);
    answerPanels_->setCurrentIndex(index);
    barPanels_->setCurrentIndex(index);
    keysHint_->setText(keysHint(mode_));
    mapBox_->setTitle(mapTitle(mode_));
    // A question of this mode answered before the switch was read then: a new one.
    if (withDrill([](const auto& drill) { return drill.isAnswered(); }))
        askNext();
    showScore();
    showQuestion();
}

void DrillWindow::chooseLeftFilter(int index)
{
    const qint64 now = clock_.utcMs();
    const Pattern pattern = drill_.current().asked;
    const PairDrill::Question pair = pairDrill_.current();
    drill_.setLeftFilter(index, now);
    pairDrill_.setLeftFilter(index, now);
    const bool replaced = mode_ == DrillMode::Pairs
                              ? !(pairDrill_.current().card == pair.card && pairDrill_.current().asked == pair.asked)
                              : !(drill_.current().asked == pattern);
    if (replaced)
        showQuestion();
    showStanding();
}

void DrillWindow::changeSettings()
{
    const DrillSettings settings{retention_->value(), newCardCap_->value(), drill_.settings().utcOffsetMs};
    drill_.setSettings(settings);
    pairDrill_.setSettings(settings);
    showStanding();
    showMemoryStanding();
    // Kept once there is progress to keep it with: opening writes nothing.
    history_.keep(progress());
}

void DrillWindow::showStanding()
{
    const qint64 now = clock_.utcMs();
    learned_->setText(QStringLiteral("覚えた %1 / %2")
                          .arg(withDrill([](const auto& drill) { return drill.learnedCount(); }))
                          .arg(withDrill([](const auto& drill) { return drill.deck().size(); })));
    const TodayCounts today = withDrill([now](const auto& drill) { return drill.today(now); });
    today_->setText(QStringLiteral("今日　復習 %1　新規 %2　残り %3").arg(today.reviews).arg(today.newCards).arg(today.remaining));
    map_->showCards(drill_, pairDrill_,
                    mode_ == DrillMode::Pairs ? MasteryMap::Section::Pairs : MasteryMap::Section::Patterns, now);
}

void DrillWindow::showScore()
{
    const Tally total = withDrill([](const auto& drill) { return drill.score().total; });
    QString text = QStringLiteral("正解 %1 / %2 問").arg(total.right).arg(total.answered);
    text += total.answered > 0 ? QStringLiteral("（%1%）").arg(100 * total.right / total.answered) : QStringLiteral("（—%）");
    text += QStringLiteral("\n連続正解 %1").arg(withDrill([](const auto& drill) { return drill.score().streak; }));
    score_->setText(text);
    ui::announceNameChange(score_);
    bars_->setTallies(drill_.score().byAnswer);
    pairBars_->setTallies(pairDrill_.score().byAnswer);
}

Progress DrillWindow::progress() const
{
    return {drill_.score(), drill_.states(), drill_.dayTally(), drill_.settings(),
            {pairDrill_.score(), pairDrill_.states(), pairDrill_.dayTally()}};
}

// The days before the drill opened as the history sums them up, the days
// since from the answers in memory.
void DrillWindow::showCurve()
{
    std::vector<DayResult> days =
        dailyResults(recentAnswers_, drill_.dayOf(clock_.utcMs()), LearningCurve::kDays, drill_.settings().utcOffsetMs);
    for (DayResult& day : days) {
        const auto before = std::find_if(daysBefore_.begin(), daysBefore_.end(),
                                         [&](const DayResult& stored) { return stored.day == day.day; });
        if (before != daysBefore_.end())
            day = *before;
    }
    curve_->setDays(std::move(days));
}

template <typename Record>
bool DrillWindow::record(const Record& answer)
{
    if (history_.record(answer, progress()))
        return true;
    sayProblem();
    return false;
}

// Says once why the history cannot be kept; the drill goes on in memory.
void DrillWindow::sayProblem()
{
    sayRecordProblem(history_.takeNewProblem(),
                     {QStringLiteral("成績を保存できません（%1）。ドリルはこのまま続けられますが、次に開いたときには残っていません。"),
                      QStringLiteral("これまでの成績を読めません（%1）。ドリルは新しく始めます。")},
                     "drill history");
}

void DrillWindow::confirmReset()
{
    auto* box = new QMessageBox(QMessageBox::Question, windowTitle(),
                                QStringLiteral("これまでの %1 回の答えと、カードの覚え具合をすべて消して、最初からやり直しますか？")
                                    .arg(drill_.score().total.answered + pairDrill_.score().total.answered),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("resetConfirmation"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::finished, this, [this, box] {
        if (box->clickedButton() == box->button(QMessageBox::Yes))
            resetProgress();
    });
    box->open();
}

void DrillWindow::resetProgress()
{
    if (!history_.clear())
        sayProblem();
    resetMemory();
    drill_.reset(clock_.utcMs());
    pairDrill_.reset(clock_.utcMs());
    daysBefore_.clear();
    recentAnswers_.clear();
    showCurve();
    showScore();
    showQuestion();
    showMemoryStanding();
}

void DrillWindow::note(const QString& line)
{
    recordNote()->setText(line);
    recordNote()->setVisible(!line.isEmpty());
}
