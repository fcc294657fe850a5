#pragma once

#include "evaluation/evaluation.h"
#include "reel_window/box_number.h"
#include "ui/window.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class Fkaisetu;
class Fsousa;

namespace ui {
class Button;
class Picture;
class Timer;
}  // namespace ui

// The reel window: the manual game, one-cell stepping and auto play, with
// the commentary of every stop pattern.
class Riru : public ui::Window {
    Q_OBJECT

public:
    // endProgram ends the program with every window.
    explicit Riru(std::function<void()> endProgram);
    ~Riru() override;

    void Form_Load();

    void cmstart_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void r1stop_Click();
    void r2stop_Click();
    void r3stop_Click();

    void r1ue_Click();
    void r2ue_Click();
    void r3ue_Click();
    void r1sita_Click();
    void r2sita_Click();
    void r3sita_Click();

    void autostart_Click();
    void autostop_Click();
    void Timer4_Timer();

    void cmend_Click();
    void Cmkaisetu_Click();
    void Cmsousa_Click();

    void yaku();

    // The strip picture a reel shows (0 left, 1 center, 2 right): the file it
    // loaded, or the one it carries from its design.
    QImage stripPicture(int reel) const;

    // Cell index of each reel, 0..21; index 0 shows what index 21 shows.
    std::int16_t r1koma = 0;
    std::int16_t r2koma = 0;
    std::int16_t r3koma = 0;
    // 1 once the reel's stop button has stopped it in this spin.
    std::int16_t r1teisi = 0;
    std::int16_t r2teisi = 0;
    std::int16_t r3teisi = 0;
    std::int16_t timgoukei = 0;  // reels stopped in this spin
    std::int16_t timint = 0;     // reel step interval in ms, set at each start
    std::int16_t autokaisu = 0;  // step of the auto-play cycle, 0..5
    Evaluation evaluation;      // positions, commentary and cheer of the last pattern

    ui::Timer* Timer1;
    ui::Timer* Timer2;
    ui::Timer* Timer3;
    ui::Timer* Timer4;

private:
    void advance(std::int16_t& koma, ui::Picture* image);
    void stop(std::int16_t& teisi, ui::Timer* timer, ui::Button* stopButton);
    void stepDown(std::int16_t& koma, ui::Picture* image);
    void stepUp(std::int16_t& koma, ui::Picture* image);
    void showResult();
    void useStepInterval(const BoxSetting& setting);
    void loadStrip(ui::Picture* image, const char* fileName);
    void bindHandlers();

    std::function<void()> endProgram_;
    std::unique_ptr<Fkaisetu> Fkaisetu_;
    std::unique_ptr<Fsousa> Fsousa_;

    ui::Button* cmstart;
    ui::Button* r1stop;
    ui::Button* r2stop;
    ui::Button* r3stop;
    ui::Button* r1ue;
    ui::Button* r2ue;
    ui::Button* r3ue;
    ui::Button* r1sita;
    ui::Button* r2sita;
    ui::Button* r3sita;
    ui::Button* autostart;
    ui::Button* autostop;
    ui::Button* cmend;
    ui::Button* Cmkaisetu;
    ui::Button* Cmsousa;
    ui::Picture* Image1;
    ui::Picture* Image2;
    ui::Picture* Image3;
    QLabel* lbtamaya;
    QLabel* lbyakumei;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
};
