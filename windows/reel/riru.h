#pragma once

#include "core/game/game.h"
#include "ui/window.h"

#include <QImage>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class InfoWindow;

namespace ui {
class Button;
class Picture;
class Timer;
}  // namespace ui

// The reel window: the manual game, one-cell stepping and auto play, with
// the commentary of every stop pattern. Its handlers drive the game; it shows
// whatever the game reports changed, whoever changed it.
class Riru : public ui::Window {
    Q_OBJECT

public:
    // game: the game the window plays and shows, which outlives it.
    // strips: the reels' strip pictures, left to right.
    // endProgram ends the program with every window.
    Riru(Game& game, std::array<QImage, 3> strips, std::function<void()> endProgram);
    ~Riru() override;

    // The game the window shows. Another window may read it, or place a
    // pattern through it, and this window follows.
    Game& game() { return game_; }
    const Game& game() const { return game_; }

    // The glossary and the operating guide, opened as their buttons open them.
    void openGlossary() { Cmkaisetu_Click(); }
    void openGuide() { Cmsousa_Click(); }

private:
    // The window's handlers, bound to its controls and timers in one place
    // (bindHandlers); each reads as the sequence its control starts.
    void Form_Load();  // the window's opening: strips, texts, the standing mode

    void cmstart_Click();  // start: spin the three reels
    void Timer1_Timer();   // a step of the left reel while it spins
    void Timer2_Timer();   // the center reel's
    void Timer3_Timer();   // the right reel's
    void r1stop_Click();   // stop (teisi) the left reel; the third stop judges (yaku)
    void r2stop_Click();
    void r3stop_Click();

    void r1ue_Click();    // ue, "up": the left reel's ▲ step of one cell, then judge
    void r2ue_Click();
    void r3ue_Click();
    void r1sita_Click();  // sita, "down": its ▼ step
    void r2sita_Click();
    void r3sita_Click();

    void autostart_Click();  // auto play: spin, stop left to right, judge, again
    void autostop_Click();   // end auto play where the reels stand
    void Timer4_Timer();     // a step of auto play's cycle

    void cmend_Click();      // end the program
    void Cmkaisetu_Click();  // kaisetu, "commentary": open the glossary window
    void Cmsousa_Click();    // sousa, "operation": open the operating guide

    // Everything of one reel: the timer that spins it, its strip and its buttons.
    struct ReelControls {
        ui::Timer* timer;
        ui::Picture* strip;
        ui::Button* stop;
        ui::Button* up;
        ui::Button* down;
    };

    void bindHandlers();
    void showChanges(const Game::Changes& changes);
    void describeReels();
    void showMode();
    void refuse(Game::Start refusal);
    void openInfoWindow(std::unique_ptr<InfoWindow>& window, const ui::WindowDesign& design);

    Game& game_;
    std::array<QImage, 3> strips_;
    int listener_ = 0;  // the window's listener to the game, removed with it
    std::function<void()> endProgram_;
    std::unique_ptr<InfoWindow> Fkaisetu_;
    std::unique_ptr<InfoWindow> Fsousa_;

    std::array<ReelControls, 3> reels_;
    ui::Timer* Timer4;  // auto play's clock
    std::array<std::vector<ui::Button*>, 3> enabledIn_;  // by mode
    std::vector<ui::Button*> gameButtons_;               // every button a mode enables or disables
    ui::Button* cmstart;
    ui::Button* autostart;
    ui::Button* autostop;
    QLabel* lbtamaya;   // the cheer (tamaya), or empty
    QLabel* lbyakumei;  // the commentary (yakumei) of the pattern
    QLineEdit* Text1;   // the step interval in ms (timint)
    QLineEdit* Text2;   // the read-out, such as 1-17-10
    QLineEdit* Text3;   // auto play's stop time in ms
};
