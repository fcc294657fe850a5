#include "reel_window/riru.h"

#include "info_windows/fkaisetu.h"
#include "info_windows/fsousa.h"
#include "reel_window/riru_layout.h"
#include "reel_window/strip_geometry.h"
#include "ui/button.h"
#include "ui/message.h"
#include "ui/picture.h"
#include "ui/picture_file.h"
#include "ui/timer.h"

#include <QLabel>
#include <QLineEdit>

#include <cstdio>
#include <utility>

namespace {

constexpr const char* kStepIntervalRefusal =
    "「リール１コマのスピード」には、0 から 32767 までの数をミリ秒で入れて下さい。";
constexpr const char* kStopTimeRefusal =
    "「Ａutoの停止までの時間」には、0 から 32767 までの数をミリ秒で入れて下さい。";

QString qt(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

std::u16string textOf(const QLineEdit* box)
{
    return box->text().toStdU16String();
}

}  // namespace

Riru::Riru(std::function<void()> endProgram)
    : ui::Window(kRiruWindow),
      Timer1(new ui::Timer(this, "Timer1")),
      Timer2(new ui::Timer(this, "Timer2")),
      Timer3(new ui::Timer(this, "Timer3")),
      Timer4(new ui::Timer(this, "Timer4")),
      endProgram_(std::move(endProgram)),
      cmstart(button("cmstart")),
      r1stop(button("r1stop")),
      r2stop(button("r2stop")),
      r3stop(button("r3stop")),
      r1ue(button("r1ue")),
      r2ue(button("r2ue")),
      r3ue(button("r3ue")),
      r1sita(button("r1sita")),
      r2sita(button("r2sita")),
      r3sita(button("r3sita")),
      autostart(button("autostart")),
      autostop(button("autostop")),
      cmend(button("cmend")),
      Cmkaisetu(button("Cmkaisetu")),
      Cmsousa(button("Cmsousa")),
      Image1(picture("Image1")),
      Image2(picture("Image2")),
      Image3(picture("Image3")),
      lbtamaya(label("lbtamaya")),
      lbyakumei(label("lbyakumei")),
      Text1(textBox("Text1")),
      Text2(textBox("Text2")),
      Text3(textBox("Text3"))
{
    // The timers' design intervals; every start sets its own before switching on.
    for (ui::Timer* reelTimer : {Timer1, Timer2, Timer3})
        reelTimer->setInterval(200);
    Timer4->setInterval(1200);

    for (ui::Picture* image : {Image1, Image2, Image3})
        image->showOnlyBetween(strip::kShownTop, strip::kShownBottom);

    bindHandlers();
    onClose([this] { endProgram_(); });
    Form_Load();
}

Riru::~Riru() = default;

void Riru::bindHandlers()
{
    const std::pair<std::string_view, void (Riru::*)()> clicks[] = {
        {"cmstart", &Riru::cmstart_Click},     {"r1stop", &Riru::r1stop_Click},
        {"r2stop", &Riru::r2stop_Click},       {"r3stop", &Riru::r3stop_Click},
        {"r1ue", &Riru::r1ue_Click},           {"r2ue", &Riru::r2ue_Click},
        {"r3ue", &Riru::r3ue_Click},           {"r1sita", &Riru::r1sita_Click},
        {"r2sita", &Riru::r2sita_Click},       {"r3sita", &Riru::r3sita_Click},
        {"autostart", &Riru::autostart_Click}, {"autostop", &Riru::autostop_Click},
        {"cmend", &Riru::cmend_Click},         {"Cmkaisetu", &Riru::Cmkaisetu_Click},
        {"Cmsousa", &Riru::Cmsousa_Click},
    };
    for (const auto& [name, handler] : clicks)
        onClick(name, [this, handler = handler] { (this->*handler)(); });
    Timer1->onTick([this] { Timer1_Timer(); });
    Timer2->onTick([this] { Timer2_Timer(); });
    Timer3->onTick([this] { Timer3_Timer(); });
    Timer4->onTick([this] { Timer4_Timer(); });
}

// Start-up and closing.

void Riru::Form_Load()
{
    loadStrip(Image1, "r1.bmp");
    loadStrip(Image2, "r2.bmp");
    loadStrip(Image3, "r3.bmp");
    ui::enable({cmstart, cmend, autostart, r1ue, r1sita, r2ue, r2sita, r3ue, r3sita, Cmkaisetu, Cmsousa});
    ui::disable({r1stop, r2stop, r3stop, autostop});
}

// A file that cannot be shown leaves the reel with the strip the window
// carries from its design, built in under the same name.
void Riru::loadStrip(ui::Picture* image, const char* fileName)
{
    QImage strip = ui::readPictureFile(QString::fromUtf8(fileName));
    if (strip.isNull()) {
        std::fprintf(stderr, "kareto: %s cannot be shown; the reel keeps its own strip\n", fileName);
        strip = QImage(QStringLiteral(":/pictures/") + QString::fromUtf8(fileName));
    }
    image->setPicture(strip);
}

QImage Riru::stripPicture(int reel) const
{
    const ui::Picture* images[] = {Image1, Image2, Image3};
    return images[reel]->picture();
}

void Riru::cmend_Click()
{
    endProgram_();
}

void Riru::Cmkaisetu_Click()
{
    if (!Fkaisetu_)
        Fkaisetu_ = std::make_unique<Fkaisetu>();
    Fkaisetu_->open();
}

void Riru::Cmsousa_Click()
{
    if (!Fsousa_)
        Fsousa_ = std::make_unique<Fsousa>();
    Fsousa_->open();
}

// The manual game.

void Riru::cmstart_Click()
{
    const std::optional<BoxSetting> interval = stepIntervalRule(textOf(Text1));
    if (!interval) {
        ui::showRefusal(this, QString::fromUtf8(kStepIntervalRefusal));
        return;
    }
    r1teisi = 0;
    r2teisi = 0;
    r3teisi = 0;
    useStepInterval(*interval);
    Timer1->setInterval(timint);
    Timer2->setInterval(timint);
    Timer3->setInterval(timint);
    lbyakumei->clear();
    lbtamaya->clear();
    ui::disable({cmend, autostart, cmstart, r1ue, r1sita, r2ue, r2sita, r3ue, r3sita});
    Timer1->switchOn();
    Timer2->switchOn();
    Timer3->switchOn();
    ui::enable({r1stop, r2stop, r3stop});
    r1stop->setFocus(Qt::OtherFocusReason);
}

void Riru::useStepInterval(const BoxSetting& setting)
{
    timint = setting.ms;
    if (setting.boxText)
        Text1->setText(qt(*setting.boxText));
}

void Riru::Timer1_Timer()
{
    advance(r1koma, Image1);
}

void Riru::Timer2_Timer()
{
    advance(r2koma, Image2);
}

void Riru::Timer3_Timer()
{
    advance(r3koma, Image3);
}

// One tick moves the strip a cell down; index 21 is kept as 0 so that the
// next tick places index 1.
void Riru::advance(std::int16_t& koma, ui::Picture* image)
{
    koma = koma + 1 > strip::kCells ? 1 : koma + 1;
    image->setTop(strip::topOfIndex(koma));
    if (koma == strip::kCells)
        koma = 0;
}

void Riru::r1stop_Click()
{
    stop(r1teisi, Timer1, r1stop);
}

void Riru::r2stop_Click()
{
    stop(r2teisi, Timer2, r2stop);
}

void Riru::r3stop_Click()
{
    stop(r3teisi, Timer3, r3stop);
}

void Riru::stop(std::int16_t& teisi, ui::Timer* timer, ui::Button* stopButton)
{
    teisi = 1;
    timgoukei = static_cast<std::int16_t>(r1teisi + r2teisi + r3teisi);
    timer->switchOff();
    if (timgoukei == 3) {
        yaku();
        showResult();
        ui::enable({cmstart, cmend, autostart, r2ue, r2sita, r3ue, r3sita, r1ue, r1sita});
    }
    stopButton->setEnabled(false);
}

// Stepping by hand.

void Riru::r1ue_Click()
{
    stepUp(r1koma, Image1);
}

void Riru::r2ue_Click()
{
    stepUp(r2koma, Image2);
}

void Riru::r3ue_Click()
{
    stepUp(r3koma, Image3);
}

void Riru::r1sita_Click()
{
    stepDown(r1koma, Image1);
}

void Riru::r2sita_Click()
{
    stepDown(r2koma, Image2);
}

void Riru::r3sita_Click()
{
    stepDown(r3koma, Image3);
}

void Riru::stepDown(std::int16_t& koma, ui::Picture* image)
{
    if (koma == strip::kCells)
        koma = 0;
    koma += 1;
    image->setTop(strip::topOfIndex(koma));
    yaku();
    showResult();
}

void Riru::stepUp(std::int16_t& koma, ui::Picture* image)
{
    if (koma == 0)
        koma = strip::kCells;
    koma -= 1;
    image->setTop(strip::topOfIndex(koma));
    yaku();
    showResult();
}

// Auto play.

void Riru::autostart_Click()
{
    // Both boxes are read before anything changes, so that a refusal leaves
    // the window standing as it was.
    const std::optional<BoxSetting> interval = stepIntervalRule(textOf(Text1));
    const std::optional<BoxSetting> stopTime = stopTimeRule(textOf(Text3));
    if (!interval || !stopTime) {
        ui::showRefusal(this, QString::fromUtf8(interval ? kStopTimeRefusal : kStepIntervalRefusal));
        return;
    }
    ui::disable({cmstart, r1stop, r2stop, r3stop, cmend, r1ue, r1sita, r2ue, r2sita, r3ue, r3sita});
    useStepInterval(*interval);
    Timer1->setInterval(timint);
    Timer2->setInterval(timint);
    Timer3->setInterval(timint);
    if (stopTime->boxText)
        Text3->setText(qt(*stopTime->boxText));
    Timer4->setInterval(stopTime->ms);
    autokaisu = 0;  // every run begins its cycle afresh
    Timer1->switchOn();
    Timer2->switchOn();
    Timer3->switchOn();
    Timer4->switchOn();
    autostop->setEnabled(true);
    autostart->setEnabled(false);
    autostop->setFocus(Qt::OtherFocusReason);
}

void Riru::Timer4_Timer()
{
    autokaisu += 1;
    switch (autokaisu) {
    case 1:
        Timer1->switchOff();
        break;
    case 2:
        Timer2->switchOff();
        break;
    case 3:
    case 4:  // the reels stand still since, so the same texts show again
        Timer3->switchOff();
        yaku();
        showResult();
        break;
    case 5:
        lbtamaya->clear();
        lbyakumei->clear();
        Timer1->switchOn();
        Timer2->switchOn();
        Timer3->switchOn();
        break;
    default:
        autokaisu = 0;
        break;
    }
}

void Riru::autostop_Click()
{
    Timer1->switchOff();
    Timer2->switchOff();
    Timer3->switchOff();
    Timer4->switchOff();
    autostart->setEnabled(true);
    autostop->setEnabled(false);
    ui::enable({cmend, r3ue, r3sita, cmstart, r1ue, r1sita, r2ue, r2sita});
    autostart->setFocus(Qt::OtherFocusReason);
}

// The pattern and its commentary.

void Riru::yaku()
{
    evaluation.yaku(Image1->top(), Image2->top(), Image3->top());
    Text2->setText(qt(evaluation.readOut));
}

void Riru::showResult()
{
    lbtamaya->setText(qt(evaluation.tamaya));
    lbyakumei->setText(qt(evaluation.yakumei));
}
