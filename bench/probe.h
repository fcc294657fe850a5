#pragma once

#include <QApplication>

#include <array>
#include <cstdint>
#include <functional>

class QWidget;

// The measuring side of a benchmark subject: the program under test and the
// bare baseline both run inside a ProbedApplication, which watches what the
// window system sees (frames painted, strips moved, timers fired) without
// changing what the program does, and drives the same scenario in both.
namespace bench {

std::int64_t monotonicNs();
std::int64_t processCpuNs();

// What the scenario presses and watches in one program.
struct Subject {
    QWidget* firstWindow = nullptr;  // the window start-up ends on
    // Presses the first window's OK and returns the window it leads to. Left
    // empty when the first window is the whole program.
    std::function<QWidget*()> pressOk;
    // The three strip pictures of the main window, and how a user sets them
    // spinning at a step interval and stops them.
    std::function<std::array<QWidget*, 3>()> strips;
    // Where one of those strips stands now, in any unit: a change is a move.
    std::function<double(const QWidget* strip)> stripTop;
    std::function<void(int ms)> spin;
    std::function<void()> stop;
    // The drill, where the program has one: how a user opens it from the main
    // window (returning the window), its pattern picture, answering the
    // question shown, and going on to the next one.
    std::function<QWidget*()> openDrill;
    std::function<QWidget*()> drillPattern;
    std::function<void()> answer;
    std::function<void()> nextPattern;
};

class Session;

class ProbedApplication : public QApplication {
public:
    ProbedApplication(int& argc, char** argv);
    ~ProbedApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the scenario named by the first argument, `startup`, `reading`
    // (start-up with a second on the notice before OK), `run` or `drill`, and
    // prints its figures as key=value lines on standard output.
    int run(const Subject& subject);

private:
    Session* session_ = nullptr;
    int depth_ = 0;
};

}  // namespace bench
