#pragma once

#include "tests/design_strips.h"
#include "windows/pieces/timing_clock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The wall clock when the test's animation clock reads zero.
constexpr qint64 kUtc = 1'800'000'000'000;
// The platform's event clock runs this far ahead of the animation's.
constexpr std::int64_t kEventClockAheadUs = 5'000'000'000;

inline QString words(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

// A window of spinning reels (Window, made from the strips, a History, a
// seed and a TimingClock) on a database of its own and a clock the test moves.
template <typename Window, typename History>
struct SpinningWindowFixture {
    QTemporaryDir data;
    QString path = data.filePath("kareto/kareto.sqlite");
    std::shared_ptr<std::int64_t> nowUs = std::make_shared<std::int64_t>(1'000'000);
    std::unique_ptr<Window> window;

    explicit SpinningWindowFixture(std::uint64_t seed) { open(seed); }

    // The window made again on the same database, as a new session opens it.
    void open(std::uint64_t seed = 1)
    {
        window.reset();
        window = std::make_unique<Window>(designStrips(), History(path), seed,
                                          TimingClock{[t = nowUs] { return *t; }, [t = nowUs] { return kUtc + *t / 1000; }});
        window->open();
    }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        return window->template findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return child<QLabel>(name)->text(); }

    // A key as the platform sends it, stamped `stampMs` on its own clock (0:
    // no stamp), arriving now at the control that has the focus.
    void key(int key, quint64 stampMs = 0, bool autoRepeat = false) const
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        press.setTimestamp(stampMs);
        QWidget* focus = QApplication::focusWidget();
        QApplication::sendEvent(focus && focus->window() == window.get() ? focus : window.get(), &press);
    }
    // A key stamped at `atUs`, arriving `delayUs` later.
    void stampedKey(int key, std::int64_t atUs, std::int64_t delayUs = 0) const
    {
        *nowUs = atUs + delayUs;
        this->key(key, static_cast<quint64>((atUs + kEventClockAheadUs) / 1000));
    }
};
