#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace ui {

// A window timer: ticks every interval while switched on, on the event thread.
// Once switched off it delivers no further tick, and an interval of 0 never
// ticks, unlike a bare QTimer, which fires continuously at 0.
class Timer : public QObject {
    Q_OBJECT

public:
    Timer(QObject* parent, const char* name);

    void setInterval(int ms);
    int interval() const { return interval_; }
    void switchOn();
    void switchOff();
    bool isOn() const { return on_; }

    void onTick(std::function<void()> handler) { tick_ = std::move(handler); }
    // One tick now, as when the interval has passed: nothing while switched
    // off. Tests step the window's time through it.
    void tick();

private:
    void apply();

    QTimer clock_;
    std::function<void()> tick_;
    int interval_ = 0;
    bool on_ = false;
};

}  // namespace ui
