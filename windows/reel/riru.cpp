#include "windows/reel/riru.h"

#include "ui/announce.h"
#include "ui/button.h"
#include "ui/message.h"
#include "ui/picture.h"
#include "ui/text.h"
#include "ui/timer.h"
#include "windows/notice_and_info/fkaisetu_layout.h"
#include "windows/notice_and_info/fsousa_layout.h"
#include "windows/notice_and_info/info_window.h"
#include "windows/pieces/riru_layout.h"
#include "windows/reel/riru_accessibility.h"
#include "windows/reel/stop_keys.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace {

using ui::qt;

using Mode = Game::Mode;

constexpr const char* kStepIntervalRefusal =
    "「リール１コマのスピード」には、0 から 32767 までの数をミリ秒で入れて下さい。";
constexpr const char* kStopTimeRefusal =
    "「Ａutoの停止までの時間」には、0 から 32767 までの数をミリ秒で入れて下さい。";

// The buttons that take clicks in each mode. While the reels spin by hand, a
// stop button takes them only as long as its own reel runs.
constexpr std::string_view kStandingButtons[] = {"cmstart", "cmend", "autostart", "r1ue",      "r1sita", "r2ue",
                                                 "r2sita",  "r3ue",  "r3sita",    "Cmkaisetu", "Cmsousa"};
constexpr std::string_view kSpinningButtons[] = {"r1stop", "r2stop", "r3stop", "Cmkaisetu", "Cmsousa"};
constexpr std::string_view kAutoPlayingButtons[] = {"autostop", "Cmkaisetu", "Cmsousa"};

constexpr struct {
    Mode mode;
    std::span<const std::string_view> enabled;
} kEnabledInMode[] = {
    {Mode::Standing, kStandingButtons},
    {Mode::Spinning, kSpinningButtons},
    {Mode::AutoPlaying, kAutoPlayingButtons},
};

std::size_t indexOf(Mode mode)
{
    return static_cast<std::size_t>(mode);
}

std::u16string textOf(const QLineEdit* box)
{
    return box->text().toStdU16String();
}

void run(ui::Timer* timer, bool on)
{
    if (on)
        timer->switchOn();
    else
        timer->switchOff();
}

}  // namespace

Riru::Riru(Game& game, std::array<QImage, 3> strips, std::function<void()> endProgram)
    : ui::Window(kRiruWindow),
      game_(game),
      strips_(std::move(strips)),
      endProgram_(std::move(endProgram)),
      Timer4(new ui::Timer(this, "Timer4")),
      cmstart(button("cmstart")),
      autostart(button("autostart")),
      autostop(button("autostop")),
      lbtamaya(label("lbtamaya")),
      lbyakumei(label("lbyakumei")),
      Text1(textBox("Text1")),
      Text2(textBox("Text2")),
      Text3(textBox("Text3"))
{
    for (std::size_t which = 0; which < reels_.size(); ++which) {
        const std::string number = std::to_string(which + 1);
        reels_[which] = {new ui::Timer(this, ("Timer" + number).c_str()), picture("Image" + number),
                         button("r" + number + "stop"), button("r" + number + "ue"), button("r" + number + "sita")};
        // The timers' design interval; every start sets its own before switching on.
        reels_[which].timer->setInterval(200);
        reels_[which].strip->showOnlyBetween(strip::kShownTop, strip::kShownBottom);
    }
    Timer4->setInterval(1200);

    for (const auto& [mode, names] : kEnabledInMode) {
        for (std::string_view name : names) {
            ui::Button* control = button(name);
            enabledIn_[indexOf(mode)].push_back(control);
            if (std::ranges::find(gameButtons_, control) == gameButtons_.end())
                gameButtons_.push_back(control);
        }
    }

    bindHandlers();
    new StopKeys(this, {reels_[reel::Left].stop, reels_[reel::Center].stop, reels_[reel::Right].stop});
    listener_ = game_.addListener([this](const Game::Changes& changes) { showChanges(changes); });
    onClose([this] { endProgram_(); });
    riru_accessibility::nameControls(this);
    Form_Load();
    describeReels();
}

void Riru::describeReels()
{
    const Pattern at = game_.positions();
    riru_accessibility::describeReels(this, {at.left, at.center, at.right},
                                      {game_.reel(reel::Left).running, game_.reel(reel::Center).running,
                                       game_.reel(reel::Right).running});
}

// The game goes on without the window, which no longer shows it.
Riru::~Riru()
{
    game_.removeListener(listener_);
}

void Riru::bindHandlers()
{
    // Each reel's handlers, left to right.
    static constexpr struct {
        void (Riru::*tick)();
        void (Riru::*stop)();
        void (Riru::*up)();
        void (Riru::*down)();
    } kReelHandlers[] = {
        {&Riru::Timer1_Timer, &Riru::r1stop_Click, &Riru::r1ue_Click, &Riru::r1sita_Click},
        {&Riru::Timer2_Timer, &Riru::r2stop_Click, &Riru::r2ue_Click, &Riru::r2sita_Click},
        {&Riru::Timer3_Timer, &Riru::r3stop_Click, &Riru::r3ue_Click, &Riru::r3sita_Click},
    };

    static constexpr std::pair<std::string_view, void (Riru::*)()> kWindowClicks[] = {
        {"cmstart", &Riru::cmstart_Click}, {"autostart", &Riru::autostart_Click}, {"autostop", &Riru::autostop_Click},
        {"cmend", &Riru::cmend_Click},     {"Cmkaisetu", &Riru::Cmkaisetu_Click}, {"Cmsousa", &Riru::Cmsousa_Click},
    };

    for (const auto& [name, handler] : kWindowClicks)
        onClick(name, [this, handler = handler] { (this->*handler)(); });
    Timer4->onTick([this] { Timer4_Timer(); });
    for (reel::Reel which : reel::kReels) {
        const ReelControls& reel = reels_[which];
        const auto& handlers = kReelHandlers[which];
        reel.timer->onTick([this, tick = handlers.tick] { (this->*tick)(); });
        for (const auto& [control, handler] : {std::pair{reel.stop, handlers.stop}, std::pair{reel.up, handlers.up},
                                               std::pair{reel.down, handlers.down}})
            connect(control, &QPushButton::clicked, this, [this, handler = handler] { (this->*handler)(); });
    }
}

// Start-up and closing.

void Riru::Form_Load()
{
    for (reel::Reel which : reel::kReels)
        reels_[which].strip->setPicture(strips_[which]);
    showMode();
}

void Riru::cmend_Click()
{
    endProgram_();
}

void Riru::Cmkaisetu_Click()
{
    openInfoWindow(Fkaisetu_, kFkaisetuWindow);
}

void Riru::Cmsousa_Click()
{
    openInfoWindow(Fsousa_, kFsousaWindow);
}

// Created when first shown, and kept.
void Riru::openInfoWindow(std::unique_ptr<InfoWindow>& window, const ui::WindowDesign& design)
{
    if (!window)
        window = std::make_unique<InfoWindow>(design);
    window->open();
}

// The manual game.

void Riru::cmstart_Click()
{
    const Game::Start start = game_.start(textOf(Text1));
    if (start != Game::Start::Started)
        return refuse(start);
    reels_[reel::Left].stop->setFocus(Qt::OtherFocusReason);
}

void Riru::Timer1_Timer()
{
    game_.tick(reel::Left);
}

void Riru::Timer2_Timer()
{
    game_.tick(reel::Center);
}

void Riru::Timer3_Timer()
{
    game_.tick(reel::Right);
}

void Riru::r1stop_Click()
{
    game_.stop(reel::Left);
}

void Riru::r2stop_Click()
{
    game_.stop(reel::Center);
}

void Riru::r3stop_Click()
{
    game_.stop(reel::Right);
}

// Stepping by hand.

void Riru::r1ue_Click()
{
    game_.stepUp(reel::Left);
}

void Riru::r2ue_Click()
{
    game_.stepUp(reel::Center);
}

void Riru::r3ue_Click()
{
    game_.stepUp(reel::Right);
}

void Riru::r1sita_Click()
{
    game_.stepDown(reel::Left);
}

void Riru::r2sita_Click()
{
    game_.stepDown(reel::Center);
}

void Riru::r3sita_Click()
{
    game_.stepDown(reel::Right);
}

// Auto play.

void Riru::autostart_Click()
{
    const Game::Start start = game_.startAuto(textOf(Text1), textOf(Text3));
    if (start != Game::Start::Started)
        return refuse(start);
    autostop->setFocus(Qt::OtherFocusReason);
}

void Riru::Timer4_Timer()
{
    game_.autoTick();
}

void Riru::autostop_Click()
{
    if (game_.stopAuto())
        autostart->setFocus(Qt::OtherFocusReason);
}

void Riru::refuse(Game::Start refusal)
{
    if (refusal == Game::Start::BadStepInterval)
        ui::showRefusal(this, QString::fromUtf8(kStepIntervalRefusal));
    else if (refusal == Game::Start::BadStopTime)
        ui::showRefusal(this, QString::fromUtf8(kStopTimeRefusal));
}

// What the game changed, in the order the window shows it: boxes and timer
// intervals, strips, the cleared or new texts (the cheer before the
// commentary), then which timers run and which buttons take clicks.
void Riru::showChanges(const Game::Changes& changes)
{
    if (changes.speedBoxText)
        Text1->setText(qt(*changes.speedBoxText));
    if (changes.stepIntervalSet)
        for (const ReelControls& reel : reels_)
            reel.timer->setInterval(game_.timint());
    if (changes.stopTimeBoxText)
        Text3->setText(qt(*changes.stopTimeBoxText));
    if (changes.stopTimeSet)
        Timer4->setInterval(game_.stopTime());
    for (reel::Reel which : reel::kReels)
        if (changes.moved[which])
            reels_[which].strip->setTop(game_.reel(which).top);
    if (changes.cleared) {
        lbyakumei->clear();
        lbtamaya->clear();
    }
    const Evaluation& evaluation = game_.evaluation();
    if (changes.readOut)
        Text2->setText(qt(evaluation.readOut));
    if (changes.result) {
        lbtamaya->setText(qt(evaluation.tamaya));
        lbyakumei->setText(qt(evaluation.yakumei));
        ui::announceNameChange(lbyakumei);
    }
    if (changes.running)
        showMode();
    if (changes.running || changes.readOut)
        describeReels();
}

// The one place that switches timers and buttons: by the mode, and a reel's
// timer and stop button by whether the reel runs.
void Riru::showMode()
{
    for (reel::Reel which : reel::kReels)
        run(reels_[which].timer, game_.reel(which).running);
    run(Timer4, game_.mode() == Mode::AutoPlaying);

    const std::vector<ui::Button*>& enabled = enabledIn_[indexOf(game_.mode())];
    for (ui::Button* control : gameButtons_) {
        bool takesClicks = std::ranges::find(enabled, control) != enabled.end();
        for (reel::Reel which : reel::kReels)
            if (control == reels_[which].stop && !game_.reel(which).running)
                takesClicks = false;
        control->setEnabled(takesClicks);
    }
}
