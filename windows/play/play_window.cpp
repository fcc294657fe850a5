#include "windows/play/play_window.h"

#include "core/evaluation/judgement.h"
#include "core/reels/symbols_in_words.h"
#include "core/setting_estimate/setting_estimate.h"
#include "ui/announce.h"
#include "ui/fonts.h"
#include "ui/heard_choice.h"
#include "ui/heard_line.h"
#include "ui/text.h"
#include "ui/timer.h"
#include "windows/pieces/hint_colour.h"
#include "windows/pieces/number_text.h"
#include "windows/pieces/reel_frames.h"
#include "windows/pieces/room_for_texts.h"
#include "windows/pieces/spinning_reel_view.h"
#include "windows/play/odds_table.h"
#include "windows/play/score_board.h"
#include "windows/play/setting_guess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <variant>

namespace {

// The longest session the games box offers; 0 is no limit.
constexpr int kMostSessionGames = 100'000;

// The reel a stop key stops, if it is one.
std::optional<reel::Reel> reelOfKey(int key)
{
    switch (key) {
    case Qt::Key_Z:
    case Qt::Key_Left: return reel::Left;
    case Qt::Key_X:
    case Qt::Key_Down: return reel::Center;
    case Qt::Key_C:
    case Qt::Key_Right: return reel::Right;
    default: return std::nullopt;
    }
}

// A heard line shown only while it has words, its place kept: an empty one
// is not presented as a notification when the window opens, and a line
// shown with its words is presented as it appears.
ui::HeardLine* heardLine(const char* name, QWidget* parent)
{
    auto* line = new ui::HeardLine(parent);
    line->setObjectName(QString::fromLatin1(name));
    QSizePolicy policy = line->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    line->setSizePolicy(policy);
    line->hide();
    return line;
}

void sayIn(ui::HeardLine* line, const QString& words)
{
    if (words.isEmpty()) {
        line->clear();
        line->hide();
    } else if (line->isHidden()) {
        line->setText(words);
        line->show();
    } else {
        line->say(words);
    }
}

// A bold line as wide as the widest of its texts, so that nothing round it
// moves as its text changes.
ui::HeardLine* resultLine(const char* name, double points, const QStringList& texts, QWidget* parent)
{
    auto* line = heardLine(name, parent);
    line->setFont(ui::designFont(ui::bold(points)));
    keepRoomFor(line, texts);
    return line;
}

QString commentaryOf(const Pattern& pattern)
{
    const Judgement judgement = judge(pattern);
    QString text = ui::qt(judgement.yakumei).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!judgement.tamaya.empty())
        text = ui::qt(judgement.tamaya) + u'\n' + text;
    return text;
}

// The answer to a call: whether a bonus is held in the game called, and,
// once its reels stand on one, that the pattern is a reach-me.
QString callAnswerOf(const play::PlayGame& game)
{
    if (!isBonus(game.flag()))
        return QStringLiteral("ボーナス！ → はずれ: ボーナスは成立していません");
    const QString bonus = ui::qt(codesOf(game.flag()).caption);
    if (game.finished() && kReachMeCodes.contains(game.code()))
        return QStringLiteral("ボーナス！ → 正解: リーチ目です（%1 成立中）").arg(bonus);
    return QStringLiteral("ボーナス！ → 正解: %1 成立中").arg(bonus);
}

}  // namespace

PlayWindow::PlayWindow(std::array<QImage, 3> strips, PlayHistory history, std::uint64_t seed, TimingClock clock)
    : FeatureWindow("Play", QStringLiteral("実戦モード")),
      clock_(std::move(clock)),
      history_(std::move(history)),
      random_(seed)
{
    stand_ = new ui::Timer(this, "stand");
    stand_->onTick([this] { standWhenDue(); });
    buildControls(std::move(strips));
    for (SpinningReelView* view : reels_)
        view->standAt(random_.between(1, reel::kPositions));
    past_ = history_.load();
    startSession();
    sayProblem();
    enableControls();
}

void PlayWindow::buildControls(std::array<QImage, 3> strips)
{
    static constexpr const char* kReelNames[] = {"reel_left", "reel_center", "reel_right"};
    static constexpr const char* kStopNames[] = {"stop_left", "stop_center", "stop_right"};
    static constexpr const char16_t* kStopKeys[] = {u"停止 (Z/←)", u"停止 (X/↓)", u"停止 (C/→)"};
    auto* reelRow = new QGridLayout;
    reelRow->setHorizontalSpacing(6);
    for (reel::Reel which : reel::kReels) {
        auto* view = new SpinningReelView(which, std::move(strips[which]), clock_.steadyUs, this);
        view->setObjectName(QString::fromLatin1(kReelNames[which]));
        connect(view, &SpinningReelView::clicked, this, [this, which](quint64 stamp) { stopReel(which, stamp); });
        reelRow->addWidget(view, 0, which);
        reels_[which] = view;
        auto* stop = new QPushButton(QString::fromUtf16(kStopKeys[which]), this);
        stop->setObjectName(QString::fromLatin1(kStopNames[which]));
        stop->setAccessibleName(ui::qt(reel::nameOf(which)) + QStringLiteral("を止める"));
        stop->setFixedWidth(view->width());
        connect(stop, &QPushButton::clicked, this, [this, which] { stopReel(which, 0); });
        reelRow->addWidget(stop, 1, which);
        stops_[which] = stop;
    }
    frames_ = new ReelFrames(this, {reels_.begin(), reels_.end()});

    lever_ = new QPushButton(QStringLiteral("レバー (Space)"), this);
    lever_->setObjectName(QStringLiteral("lever"));
    lever_->setAccessibleName(QStringLiteral("レバー: ゲームを始める"));
    lever_->setFont(ui::designFont(ui::bold(12)));
    connect(lever_, &QPushButton::clicked, this, &PlayWindow::pullLever);
    call_ = new QPushButton(QStringLiteral("ボーナス！ (B)"), this);
    call_->setObjectName(QStringLiteral("call"));
    call_->setAccessibleName(QStringLiteral("ボーナス！とコールする"));
    call_->setFont(ui::designFont(ui::bold(12)));
    connect(call_, &QPushButton::clicked, this, &PlayWindow::callBonus);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lever_, 1);
    buttons->addWidget(call_, 1);

    auto* machine = new QVBoxLayout;
    machine->addLayout(reelRow);
    machine->addLayout(buttons);
    machine->addStretch(1);

    readout_ = resultLine("readout", 24, {QStringLiteral("21-21-21")}, this);
    callAnswer_ = resultLine("callAnswer", 13.5,
                             {QStringLiteral("ボーナス！ → 正解: リーチ目です（ＢＩＧ 成立中）"),
                              QStringLiteral("ボーナス！ → 正解: リーチ目です（ＲＥＧ 成立中）"),
                              QStringLiteral("ボーナス！ → はずれ: ボーナスは成立していません")},
                             this);
    commentaryShown_ = new QCheckBox(QStringLiteral("ゲームごとに出目の解説を表示(&K)"), this);
    commentaryShown_->setObjectName(QStringLiteral("showCommentary"));
    connect(commentaryShown_, &QCheckBox::toggled, this, &PlayWindow::showCommentary);
    commentary_ = heardLine("commentary", this);
    commentary_->setWordWrap(true);
    commentary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    commentary_->setMinimumSize(commentary_->fontMetrics().horizontalAdvance(QStringLiteral("リーチ目だけど止まらない？？リーチ目だけど")),
                                commentary_->fontMetrics().lineSpacing() * 4);
    auto* keys = new QLabel(QStringLiteral("Space: レバー　Z X C・← ↓ →: 停止　B: ボーナス！"), this);
    paintAsHint(keys);

    auto* shown = new QVBoxLayout;
    auto* readoutRow = new QHBoxLayout;
    readoutRow->addWidget(new QLabel(QStringLiteral("出目"), this));
    readoutRow->addWidget(readout_, 1);
    shown->addLayout(readoutRow);
    shown->addWidget(callAnswer_);
    shown->addWidget(commentaryShown_);
    shown->addWidget(commentary_, 1);
    shown->addWidget(keys);

    scores_ = new ScoreBoard(this);
    scores_->setObjectName(QStringLiteral("scores"));

    auto* top = new QHBoxLayout;
    top->addLayout(machine);
    top->addSpacing(16);
    top->addLayout(shown, 1);
    top->addSpacing(16);
    top->addWidget(scores_, 0, Qt::AlignTop);

    guess_ = new SettingGuess(this);
    guess_->setObjectName(QStringLiteral("settingGuess"));
    connect(guess_, &SettingGuess::guessed, this, &PlayWindow::guess);
    connect(guess_, &SettingGuess::newSessionAsked, this, &PlayWindow::goToNewSession);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildSettings(), 0);
    bottom->addWidget(buildAssumptions(), 0);
    bottom->addWidget(guess_, 1);

    pastPlay_ = new QLabel(this);
    pastPlay_->setObjectName(QStringLiteral("pastPlay"));
    pastPlay_->setTextFormat(Qt::PlainText);
    pastPlay_->setWordWrap(true);

    auto* window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(top);
    window->addLayout(bottom);
    window->addWidget(pastPlay_);
    window->addWidget(recordNote());

    setTabOrder(lever_, call_);
}

QWidget* PlayWindow::buildSettings()
{
    auto* box = new QGroupBox(QStringLiteral("実戦の設定"), this);
    setting_ = new QComboBox(box);
    setting_->setObjectName(QStringLiteral("setting"));
    setting_->addItem(QStringLiteral("ランダム（伏せる）"));
    for (int setting = 1; setting <= setting_odds::kSettings; ++setting)
        setting_->addItem(QStringLiteral("設定 %1").arg(setting));
    setting_->setAccessibleName(QStringLiteral("台の設定"));
    connect(setting_, &QComboBox::currentIndexChanged, this, &PlayWindow::chooseSetting);
    ui::hearValueOf(setting_);
    settingInPlay_ = new QLabel(box);
    settingInPlay_->setObjectName(QStringLiteral("settingInPlay"));
    settingInPlay_->setTextFormat(Qt::PlainText);
    settingInPlay_->setWordWrap(true);
    settingInPlay_->setMinimumHeight(settingInPlay_->fontMetrics().lineSpacing() * 2 + 2);
    settingInPlay_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    sessionGames_ = new QSpinBox(box);
    sessionGames_->setObjectName(QStringLiteral("sessionGames"));
    sessionGames_->setRange(0, kMostSessionGames);
    sessionGames_->setSuffix(QStringLiteral(" ゲーム"));
    sessionGames_->setSpecialValueText(QStringLiteral("決めない"));
    sessionGames_->setGroupSeparatorShown(true);
    sessionGames_->setAccessibleName(QStringLiteral("実戦を終えるゲーム数"));
    sessionGames_->setMinimumWidth(sessionGames_->fontMetrics().horizontalAdvance(QStringLiteral("100,000 ゲーム")) + 48);

    endSession_ = new QPushButton(QStringLiteral("実戦を終える(&E)"), box);
    endSession_->setObjectName(QStringLiteral("endSession"));
    endSession_->setAccessibleName(QStringLiteral("実戦を終えて設定を予想する"));
    connect(endSession_, &QPushButton::clicked, this, &PlayWindow::endSession);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("設定(&S)"), setting_);
    form->addRow(settingInPlay_);
    form->addRow(QStringLiteral("終了(&G)"), sessionGames_);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addWidget(endSession_);
    layout->addStretch(1);
    return box;
}

QWidget* PlayWindow::buildAssumptions()
{
    auto* box = new QGroupBox(QStringLiteral("小役の確率（仮定）"), this);
    auto* note = new QLabel(QStringLiteral("小役の確率は公表されていないため、仮の値です。\nセルを選んで数字を打つと変えられます。"), box);
    note->setTextFormat(Qt::PlainText);
    odds_ = new OddsTable(box);
    odds_->setObjectName(QStringLiteral("odds"));
    odds_->setAccessibleName(QStringLiteral("小役の確率（仮定）"));
    connect(odds_, &OddsTable::edited, this, &PlayWindow::changeOdds);
    oddsNote_ = new QLabel(box);
    oddsNote_->setObjectName(QStringLiteral("oddsNote"));
    oddsNote_->setTextFormat(Qt::PlainText);
    oddsNote_->setWordWrap(true);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(note);
    layout->addWidget(odds_);
    layout->addWidget(oddsNote_);
    layout->addStretch(1);
    return box;
}

// The stop keys, the lever, the call and the guesses work whichever control
// of the window has the focus; an open list or a modal question keeps its keys.
bool PlayWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (FeatureWindow::eventFilter(watched, event))
        return true;
    const QKeyEvent* key = keyPressedHere(watched, event);
    if (!key || !isPlain(key))
        return false;
    const int k = key->key();
    const bool atTheMachine = phase_ == Phase::Ready || phase_ == Phase::Playing;
    const std::optional<reel::Reel> stopped = reelOfKey(k);
    bool ours = false;
    if (stopped)
        ours = phase_ == Phase::Playing || isBox(watched);  // a stop key meant for a reel never changes a box
    else if (k == Qt::Key_Space)
        ours = atTheMachine;
    else if (k == Qt::Key_B)
        ours = phase_ != Phase::Guessed;
    else if (k >= Qt::Key_1 && k <= Qt::Key_6)
        ours = phase_ == Phase::Guessing && !isBox(watched);
    if (!ours || key->isAutoRepeat())
        return ours;  // a held key acts once
    if (stopped)
        stopReel(*stopped, key->timestamp());
    else if (k == Qt::Key_Space)
        pullLever();
    else if (k == Qt::Key_B)
        callBonus();
    else
        guess(k - Qt::Key_0);
    return true;
}

// A session with the setting chosen, or one drawn and hidden, and the odds
// the table shows; nothing is kept until its first game. The sessions kept
// before it (past_) are read beforehand, once a session has ended.
void PlayWindow::startSession()
{
    const auto seed = (static_cast<std::uint64_t>(random_.below(1 << 30)) << 30) | static_cast<std::uint64_t>(random_.below(1 << 30));
    session_.emplace(play::SessionSetup{setting_->currentIndex(), seed, odds_->odds()});
    settingChosen_ = setting_->currentIndex() != 0;
    guessedRight_.reset();
    history_.beginSession({clock_.utcMs(), session_->setting(), settingChosen_});
    phase_ = Phase::Ready;
    // Words said through the lever for a session before are not this one's.
    lever_->setAccessibleDescription({});
    guess_->clear();
    showCounts();
    showScores();
    sayIn(readout_, {});
    sayIn(callAnswer_, {});
    sayIn(commentary_, {});
    showSettingInPlay();
}

// Starts a game while all reels stand: the lottery draws unless a bonus is
// held, and the three reels turn on from where they stand.
void PlayWindow::pullLever()
{
    if (phase_ != Phase::Ready)
        return;
    drawn_ = session_->held() == Flag::None;
    session_->start();
    const std::int64_t now = clock_.steadyUs();
    for (reel::Reel which : reel::kReels) {
        spins_[which] = {timing::kMaxRpm, reels_[which]->upperPosition(), now};
        reels_[which]->spin(spins_[which]);
    }
    slides_ = {};
    phase_ = Phase::Playing;
    // A new session is said once; its game goes on without the words.
    lever_->setAccessibleDescription({});
    sayIn(readout_, {});
    sayIn(callAnswer_, {});
    sayIn(commentary_, {});
    showCounts();
    // The game before is settled now: a reach-me it showed uncalled counts
    // as missed only once the player can no longer call it.
    showScores();
    enableControls();
    frames_->follow();
}

// The press lands on the first cell to stand aligned at or after its
// moment; the control decides the slide from there, and the reel turns on
// to its stop. The last press finishes the game, which is kept at once.
void PlayWindow::stopReel(reel::Reel which, quint64 timestampMs)
{
    if (phase_ != Phase::Playing || !session_->game()->turning(which))
        return;
    const std::int64_t pressUs = eventClock_.momentOf(timestampMs, clock_.steadyUs());
    const timing::ReelSpin& spin = spins_[which];
    const std::int64_t pressSteps = spin.nextAlignedStep(pressUs);
    const auto stop = session_->stop(which, spin.cellAfter(pressSteps, timing::Upper));
    if (!stop)
        return;
    order_[static_cast<std::size_t>(session_->game()->stopsMade() - 1)] = which;
    slides_[which] = stop->slide;
    spins_[which] = spin.stoppingAfter(pressSteps + stop->slide);
    reels_[which]->spin(spins_[which]);
    stops_[which]->setEnabled(false);
    if (session_->game()->finished())
        recordGame();
    standWhenDue();
}

// Stands each reel whose stop's moment has come and waits for the next;
// once the game's three reels stand, the game is shown.
void PlayWindow::standWhenDue()
{
    const std::int64_t now = clock_.steadyUs();
    std::optional<std::int64_t> nextUs;
    for (reel::Reel which : reel::kReels) {
        if (!reels_[which]->isSpinning() || !spins_[which].stopSteps)
            continue;
        const std::int64_t standUs = *spins_[which].standUs();
        if (standUs <= now)
            reels_[which]->standAt(session_->game()->stops()[which]);
        else
            nextUs = std::min(nextUs.value_or(standUs), standUs);
    }
    if (nextUs) {
        stand_->setInterval(static_cast<int>((*nextUs - now + 999) / 1000));
        stand_->switchOn();
    } else {
        stand_->switchOff();
    }
    frames_->follow();
    if (phase_ == Phase::Playing && session_->game()->finished() && !nextUs)
        gameStood();
}

// The pattern read out, heard wherever the focus is; the commentary if
// asked; the counts. A session of a set number of games ends with its last.
void PlayWindow::gameStood()
{
    phase_ = Phase::Ready;
    sayIn(readout_, QString::fromStdString(readOutOf(session_->game()->pattern())));
    showCounts();
    showCommentary();
    enableControls();
    const int most = sessionGames_->value();
    if (most > 0 && session_->counts().games >= most)
        endSession();
}

void PlayWindow::callBonus()
{
    if (phase_ == Phase::Guessed || !session_->game())
        return;
    if (!session_->call()) {
        sayIn(callAnswer_, QStringLiteral("このゲームはもうコールしました"));
        return;
    }
    const play::PlayGame& game = *session_->game();
    if (!history_.record(PlayCallRecord{clock_.utcMs(), session_->counts().games, game.flag()}))
        sayProblem();
    sayIn(callAnswer_, callAnswerOf(game));
    showScores();
    enableControls();
}

// Ends the session between games and asks the player's guess of the setting.
void PlayWindow::endSession()
{
    if (phase_ != Phase::Ready)
        return;
    phase_ = Phase::Guessing;
    showScores();
    const play::SessionCounts& counts = session_->counts();
    const QString asked = guess_->ask({counts.games, counts.linedBig, counts.linedReg});
    enableControls();
    ui::sayThrough(guess_->guessButton(1), asked);
}

// The guess against the setting in play, beside the estimate from the
// session's counts as the player counted them: the games played and the
// bonuses lined up.
void PlayWindow::guess(int setting)
{
    if (phase_ != Phase::Guessing)
        return;
    if (!history_.recordGuess(setting, clock_.utcMs()))
        sayProblem();
    const play::SessionCounts& counts = session_->counts();
    const auto estimate = setting_estimate::estimate({counts.games, counts.linedBig, counts.linedReg});
    phase_ = Phase::Guessed;
    const QString result = guess_->showResult(setting, session_->setting(), std::get<setting_estimate::Estimate>(estimate));
    guessedRight_ = setting == session_->setting();
    showSettingInPlay();
    showPastPlay();
    enableControls();
    ui::sayThrough(guess_->newSessionButton(), result);
}

void PlayWindow::goToNewSession()
{
    if (phase_ != Phase::Guessed)
        return;
    past_ = history_.load();
    startSession();
    enableControls();
    ui::sayThrough(lever_, QStringLiteral("新しい実戦です。") + settingInPlay_->text());
}

// A setting chosen before the session's first game applies at once; after
// it, from the next session on.
void PlayWindow::chooseSetting()
{
    if (phase_ == Phase::Ready && session_->counts().games == 0)
        startSession();
    else
        showSettingInPlay();
}

void PlayWindow::changeOdds(const play::SmallPrizeOdds& odds)
{
    if (session_->setOdds(odds)) {
        odds_->showOdds(session_->odds());
        oddsNote_->setText(QStringLiteral("小役とボーナスを合わせた確率が 1 を超えるため、変えられません。"));
    } else {
        oddsNote_->setText(QStringLiteral("次のゲームから新しい確率で抽選します。"));
    }
    ui::announceNameChange(oddsNote_);
}

void PlayWindow::showCommentary()
{
    const bool shown = commentaryShown_->isChecked() && phase_ != Phase::Playing && session_->game()
                       && session_->game()->finished();
    if (shown)
        sayIn(commentary_, commentaryOf(session_->game()->pattern()));
    else
        sayIn(commentary_, {});
}

// The setting in play is shown when the player chose it, and once the
// session has ended; a drawn one stays hidden until then. A choice that
// differs applies from the next session.
void PlayWindow::showSettingInPlay()
{
    QString text = settingChosen_ || phase_ == Phase::Guessed
                       ? QStringLiteral("この実戦の設定: %1").arg(session_->setting())
                       : QStringLiteral("この実戦の設定は伏せてあります。");
    if (setting_->currentIndex() != (settingChosen_ ? session_->setting() : 0))
        text += QStringLiteral("\n次の実戦から: ") + setting_->currentText();
    settingInPlay_->setText(text);
    ui::setValueDetail(setting_, text);
}

void PlayWindow::showCounts()
{
    scores_->showCounts(session_->counts());
    showPastPlay();
}

void PlayWindow::showScores()
{
    shownScores_ = session_->scores();
    scores_->showScores(shownScores_);
    showPastPlay();
}

// The sessions kept before this one and this one as its scores are shown.
void PlayWindow::showPastPlay()
{
    const std::int64_t games = past_.games + session_->counts().games;
    if (games == 0) {
        pastPlay_->setText(QStringLiteral("これまでの実戦: まだありません。"));
        return;
    }
    pastPlay_->setText(
        QStringLiteral("これまでの実戦（今回を含む）: %1 ゲーム、気づいたリーチ目 %2・見逃したリーチ目 %3、ボーナスなしのコール %4、設定の予想 %5 回中 %6 回的中。")
            .arg(countText(games), countText(past_.reachMeNoticed + shownScores_.reachMeNoticed),
                 countText(past_.reachMeMissed + shownScores_.reachMeMissed),
                 countText(past_.callsWithoutBonus + shownScores_.callsWithoutBonus),
                 countText(past_.guesses + (guessedRight_ ? 1 : 0)),
                 countText(past_.guessedRight + (guessedRight_.value_or(false) ? 1 : 0))));
}

// Each control takes what the phase allows: the lever until the session
// ends (pulled during a game it does nothing, as at the machine, and the
// focus stays on it), a reel's stop while it turns, the call from the first game until the guess,
// the end between games.
void PlayWindow::enableControls()
{
    const bool playing = phase_ == Phase::Playing;
    for (reel::Reel which : reel::kReels)
        stops_[which]->setEnabled(playing && session_->game()->turning(which));
    lever_->setEnabled(phase_ == Phase::Ready || phase_ == Phase::Playing);
    call_->setEnabled(phase_ != Phase::Guessed && session_->game() != nullptr);
    endSession_->setEnabled(phase_ == Phase::Ready && session_->counts().games > 0);
}

void PlayWindow::recordGame()
{
    const play::PlayGame& game = *session_->game();
    PlayedGameRecord record;
    record.atMs = clock_.utcMs();
    record.number = session_->counts().games;
    record.flag = game.flag();
    record.drawn = drawn_;
    record.order = order_;
    record.stood = game.stops();
    record.slides = slides_;
    record.code = game.code();
    record.lined = game.lined();
    record.fellBack = game.fellBack();
    record.odds = session_->odds();
    if (!history_.record(record))
        sayProblem();
}

// Says once why the history cannot be kept; the play goes on in memory.
void PlayWindow::sayProblem()
{
    sayRecordProblem(history_.takeNewProblem(),
                     {QStringLiteral("実戦の記録を保存できません（%1）。このまま遊べますが、記録は残りません。"),
                      QStringLiteral("これまでの実戦の記録を読めません（%1）。")},
                     "play history");
}
