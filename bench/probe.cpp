#include "bench/probe.h"

#include <QPointer>

#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <typeinfo>
#include <vector>

namespace bench {

std::int64_t monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

std::int64_t processCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

namespace {

// How long each measured phase lasts; shorter only to try the bench out.
int phaseMs()
{
    const char* seconds = std::getenv("BENCH_PHASE_SECONDS");
    const double s = seconds ? std::atof(seconds) : 10.0;
    return int(std::lround((s > 0 ? s : 10.0) * 1000));
}

void put(const char* key, double value)
{
    std::printf("%s=%.6g\n", key, value);
    std::fflush(stdout);
}

// Instants on the monotonic clock, whole nanoseconds: the driver takes the
// start-up times from them.
void putInstant(const char* key, std::int64_t ns)
{
    std::printf("%s=%lld\n", key, static_cast<long long>(ns));
    std::fflush(stdout);
}

void mark(const char* name)
{
    std::printf("mark=%s\n", name);
    std::fflush(stdout);
}

constexpr unsigned kPatternBit = 1u << 3;
constexpr int kDrillQuestions = 60;

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(share * double(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

// What the session records, beside it in bench:: as its fields' types must be.
struct Move {
    std::int64_t at;
    int strip;
};

// One pass of the event loop that painted the watched window; `strips` has
// bit i set when strip i was painted in it, and kPatternBit when the drill's
// pattern picture was.
struct Frame {
    std::int64_t at;
    unsigned strips;
};

class Session {
public:
    // ReadingStartup: start-up as a player goes through it, OK pressed after a
    // second on the notice instead of at once.
    enum class Scenario { Startup, ReadingStartup, Run, Drill };

    Session(const Subject& subject, Scenario scenario) : subject_(subject), scenario_(scenario)
    {
        clock_.setSingleShot(true);
        clock_.setTimerType(Qt::PreciseTimer);  // phases of exactly their length
        QObject::connect(&clock_, &QTimer::timeout, [this] {
            auto step = std::move(next_);
            step();
        });
        watched_ = subject_.firstWindow;
    }

    // Called for every event before it is handled.
    void seen(QObject* receiver, QEvent* event)
    {
        switch (event->type()) {
        case QEvent::Paint:
            if (auto* widget = qobject_cast<QWidget*>(receiver); widget && watched_ && widget->window() == watched_) {
                painting_ |= 1u << 31;
                for (int i = 0; i < 3; ++i)
                    if (receiver == strips_[std::size_t(i)])
                        painting_ |= 1u << i;
                if (receiver == pattern_)
                    painting_ |= kPatternBit;
            }
            break;
        case QEvent::Timer:
            if (receiver != &clock_) {
                ++timerEvents_;
                // Qt sweeps its font cache every 10 s while the glyphs cached
                // pass its budget: housekeeping of Qt's, not a timer of ours.
                if (std::strstr(typeid(*receiver).name(), "QFontCache"))
                    ++fontCacheSweeps_;
            }
            break;
        default:
            break;
        }
    }

    // Called when an event handled straight from the event loop has returned:
    // whatever it painted has been handed to the window system by then.
    void passDone()
    {
        noteMoves();
        if (painting_ == 0)
            return;
        const std::int64_t now = monotonicNs();
        frames_.push_back({now, painting_ & 7u});
        const bool patternPainted = painting_ & kPatternBit;
        painting_ = 0;
        if (awaitingShow_) {
            awaitingShow_ = false;
            auto then = std::move(onShown_);
            then(now);
        }
        if (patternPainted && awaitingPattern_) {
            awaitingPattern_ = false;
            auto then = std::move(onPattern_);
            then(now);
        }
    }

    // A strip moves inside its timer's handler, which has returned by now.
    void noteMoves()
    {
        for (int i = 0; i < 3; ++i) {
            const QWidget* strip = strips_[std::size_t(i)];
            if (!strip)  // not shown yet, or gone with the program's end
                continue;
            const double top = subject_.stripTop(strip);
            if (top != tops_[std::size_t(i)]) {
                tops_[std::size_t(i)] = top;
                moves_.push_back({monotonicNs(), i});
            }
        }
    }

    void start()
    {
        whenShown([this](std::int64_t at) {
            putInstant("notice_shown_ns", at);
            if (!subject_.pressOk) {
                putInstant("ok_pressed_ns", at);
                putInstant("reel_shown_ns", at);
                mainShown();
                return;
            }
            after(scenario_ == Scenario::ReadingStartup ? 1000 : 0, [this] {
                putInstant("ok_pressed_ns", monotonicNs());
                watched_ = subject_.pressOk();
                whenShown([this](std::int64_t shown) {
                    putInstant("reel_shown_ns", shown);
                    mainShown();
                });
            });
        });
    }

private:
    void whenShown(std::function<void(std::int64_t)> then)
    {
        awaitingShow_ = true;
        onShown_ = std::move(then);
    }

    void after(int ms, std::function<void()> step)
    {
        next_ = std::move(step);
        clock_.start(ms);
    }

    void mainShown()
    {
        if (scenario_ == Scenario::Drill) {
            after(300, [this] { drillPhase(); });
            return;
        }
        if (scenario_ == Scenario::Startup || scenario_ == Scenario::ReadingStartup) {
            // Long enough for anything the window does after its first frame.
            after(300, [] { QCoreApplication::exit(0); });
            return;
        }
        const std::array<QWidget*, 3> strips = subject_.strips();
        for (std::size_t i = 0; i < 3; ++i) {
            strips_[i] = strips[i];
            tops_[i] = subject_.stripTop(strips[i]);
        }
        after(1000, [this] {
            spinPhase("spin35", 35, [this] {
                after(500, [this] {
                    idlePhase([this] {
                        spinPhase("spin100", 100, [this] {
                            strips_ = {};  // the strips go with the program's end
                            QCoreApplication::exit(0);
                        });
                    });
                });
            });
        });
    }

    // The drill's first opening, from the key to its first frame, then the way
    // from `next` to the frame that shows the new pattern, question by question.
    void drillPhase()
    {
        const std::int64_t pressed = monotonicNs();
        watched_ = subject_.openDrill();
        if (!watched_) {
            std::fprintf(stderr, "bench: the drill did not open\n");
            QCoreApplication::exit(1);
            return;
        }
        whenShown([this, pressed](std::int64_t shown) {
            put("drill_open_ms", double(shown - pressed) / 1e6);
            pattern_ = subject_.drillPattern();
            after(200, [this] { askDrill(0); });
        });
    }

    void askDrill(int question)
    {
        if (question == kDrillQuestions) {
            put("drill_next_median_ms", percentile(nextMs_, 0.5));
            put("drill_next_max_ms", percentile(nextMs_, 1.0));
            QCoreApplication::exit(0);
            return;
        }
        subject_.answer();
        after(50, [this, question] {
            const std::int64_t pressed = monotonicNs();
            awaitingPattern_ = true;
            onPattern_ = [this, pressed, question](std::int64_t shown) {
                nextMs_.push_back(double(shown - pressed) / 1e6);
                after(20, [this, question] { askDrill(question + 1); });
            };
            subject_.nextPattern();
        });
    }

    void spinPhase(const std::string& name, int intervalMs, std::function<void()> then)
    {
        moves_.clear();
        frames_.clear();
        mark((name + "_begin").c_str());
        const std::int64_t wall = monotonicNs();
        const std::int64_t cpu = processCpuNs();
        subject_.spin(intervalMs);
        after(phaseMs(), [=, this] {
            const double cpuPct = 100.0 * double(processCpuNs() - cpu) / double(monotonicNs() - wall);
            mark((name + "_end").c_str());
            subject_.stop();
            put((name + "_cpu_pct").c_str(), cpuPct);
            // Frames still on their way for the last moves are let in before judging.
            after(200, [=, this] {
                reportTiming(name, intervalMs);
                then();
            });
        });
    }

    void idlePhase(std::function<void()> then)
    {
        timerEvents_ = 0;
        fontCacheSweeps_ = 0;
        mark("idle_begin");
        const std::int64_t wall = monotonicNs();
        const std::int64_t cpu = processCpuNs();
        after(phaseMs(), [=, this] {
            const double cpuPct = 100.0 * double(processCpuNs() - cpu) / double(monotonicNs() - wall);
            mark("idle_end");
            put("idle_cpu_pct", cpuPct);
            put("idle_timer_events", double(timerEvents_ - fontCacheSweeps_));
            put("idle_font_cache_sweeps", double(fontCacheSweeps_));
            then();
        });
    }

    void reportTiming(const std::string& name, int intervalMs)
    {
        std::vector<double> intervals;
        std::vector<double> deviations;
        int missed = 0;
        int moves = 0;
        for (int strip = 0; strip < 3; ++strip) {
            std::vector<std::int64_t> at;
            for (const Move& move : moves_)
                if (move.strip == strip)
                    at.push_back(move.at);
            moves += int(at.size());
            for (std::size_t k = 1; k < at.size(); ++k) {
                const double ms = double(at[k] - at[k - 1]) / 1e6;
                intervals.push_back(ms);
                deviations.push_back(std::abs(ms - intervalMs));
            }
            // A move reached the screen when a frame painted the strip before
            // it moved again.
            for (std::size_t k = 0; k < at.size(); ++k) {
                const std::int64_t until = k + 1 < at.size() ? at[k + 1] : INT64_MAX;
                const bool shown = std::any_of(frames_.begin(), frames_.end(), [&](const Frame& f) {
                    return f.at > at[k] && f.at <= until && (f.strips & (1u << strip));
                });
                missed += shown ? 0 : 1;
            }
        }
        // Frames per tick over whole ticks of the first strip, leaving out the
        // repaints of the buttons pressed at the start and the end.
        std::vector<std::int64_t> first;
        for (const Move& move : moves_)
            if (move.strip == 0)
                first.push_back(move.at);
        double framesPerTick = 0;
        if (first.size() >= 2) {
            const auto frames = std::count_if(frames_.begin(), frames_.end(), [&](const Frame& f) {
                return f.at > first.front() && f.at <= first.back();
            });
            framesPerTick = double(frames) / double(first.size() - 1);
        }
        double mean = 0;
        for (double ms : intervals)
            mean += ms;
        mean = intervals.empty() ? 0 : mean / double(intervals.size());
        const double p99 = percentile(deviations, 0.99);
        put((name + "_moves").c_str(), moves);
        put((name + "_mean_ms").c_str(), mean);
        put((name + "_p99_dev_ms").c_str(), p99);
        put((name + "_frames_per_tick").c_str(), framesPerTick);
        put((name + "_missed_moves").c_str(), missed);
    }

    Subject subject_;
    Scenario scenario_;
    QTimer clock_;  // the scenario's own steps; its ticks are not the program's
    std::function<void()> next_;
    QWidget* watched_ = nullptr;
    std::array<QPointer<QWidget>, 3> strips_{};
    std::array<double, 3> tops_{};
    unsigned painting_ = 0;
    bool awaitingShow_ = false;
    std::function<void(std::int64_t)> onShown_;
    std::vector<Move> moves_;
    std::vector<Frame> frames_;
    long timerEvents_ = 0;
    long fontCacheSweeps_ = 0;
    QPointer<QWidget> pattern_;
    bool awaitingPattern_ = false;
    std::function<void(std::int64_t)> onPattern_;
    std::vector<double> nextMs_;
};

ProbedApplication::ProbedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

ProbedApplication::~ProbedApplication()
{
    delete session_;
}

bool ProbedApplication::notify(QObject* receiver, QEvent* event)
{
    if (!session_)
        return QApplication::notify(receiver, event);
    session_->seen(receiver, event);
    ++depth_;
    const bool handled = QApplication::notify(receiver, event);
    if (--depth_ == 0)
        session_->passDone();
    return handled;
}

int ProbedApplication::run(const Subject& subject)
{
    const QStringList args = arguments();
    const QString mode = args.size() > 1 ? args[1] : QString();
    const bool drill = mode == QLatin1String("drill") && subject.openDrill;
    const bool reading = mode == QLatin1String("reading");
    if (mode != QLatin1String("startup") && mode != QLatin1String("run") && !reading && !drill) {
        std::fprintf(stderr, "usage: %s startup|reading|run%s\n", qPrintable(args.value(0)),
                     subject.openDrill ? "|drill" : "");
        return 2;
    }
    session_ = new Session(subject, drill                           ? Session::Scenario::Drill
                                    : mode == QLatin1String("run") ? Session::Scenario::Run
                                    : reading                      ? Session::Scenario::ReadingStartup
                                                                   : Session::Scenario::Startup);
    session_->start();
    return exec();
}

}  // namespace bench
