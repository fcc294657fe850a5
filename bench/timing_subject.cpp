// The timing drill under measurement on a real X server: its window with the
// reel turning at 80 rpm for BENCH_PHASE_SECONDS (default 10) s. For every
// frame painted: the time since the last one, and how far the position drawn
// (in whole pixels) is from where the reel ideally stands once the frame is
// painted, in ms of its turning; and the process's CPU over the whole phase.
// Then presses, with the slip at 4 and Space at moments spread over a cell:
// the time from each press to the result on the screen, the reel standing,
// and the frames of a slide drawn behind the one before (none is right).
// Prints key=value lines for the driver.
//     bench_timing timing
#include "ui/look.h"
#include "windows/pieces/spinning_reel_view.h"
#include "windows/timing/timing_window.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// The refresh the figures are held to, whatever the server says of its own.
constexpr double kRefreshMs = 1000.0 / 60;

std::int64_t steadyUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void put(const char* key, double value)
{
    std::printf("%s=%.6g\n", key, value);
    std::fflush(stdout);
}

// Runs the event loop for `ms`; QTest::qWait sleeps between its passes.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().value(1) != QLatin1String("timing")) {
        std::fprintf(stderr, "usage: %s timing\n", argv[0]);
        return 2;
    }
    ui::useClassicLook();
    const char* seconds = std::getenv("BENCH_PHASE_SECONDS");
    const int phaseMs = (seconds && std::atoi(seconds) > 0 ? std::atoi(seconds) : 10) * 1000;

    TimingWindow window({QImage(":/pictures/r1.bmp"), QImage(":/pictures/r2.bmp"), QImage(":/pictures/r3.bmp")},
                        TimingHistory(QString()), 1, {steadyUs, [] { return QDateTime::currentMSecsSinceEpoch(); }});
    window.open();
    if (!QTest::qWaitForWindowExposed(&window) || !window.isSpinning())
        return 1;
    QTest::qWait(500);  // past the first frames and the window manager's

    std::vector<double> gapsMs, errorsMs, paintMs;
    std::vector<std::int64_t> paintedUs;
    std::int64_t lastUs = -1;
    bool measuring = false;
    double lastSlideDrawn = -1;
    int backwardFrames = 0;
    QObject::connect(window.askedReel(), &SpinningReelView::framePainted, &window,
                     [&](std::int64_t atUs, double cellsDrawn) {
                         if (window.isSliding()) {
                             if (cellsDrawn < lastSlideDrawn)
                                 ++backwardFrames;
                             lastSlideDrawn = cellsDrawn;
                         }
                         if (!measuring)
                             return;
                         const std::int64_t doneUs = steadyUs();
                         const timing::ReelSpin& spin = window.spin();
                         paintMs.push_back(double(doneUs - atUs) / 1e3);
                         errorsMs.push_back(std::abs(spin.exactCellsTurned(doneUs) - cellsDrawn) * spin.cellUs() / 1e3);
                         if (lastUs >= 0)
                             gapsMs.push_back(double(atUs - lastUs) / 1e3);
                         lastUs = atUs;
                         paintedUs.push_back(atUs);
                     });

    std::printf("mark=timing_begin\n");
    std::fflush(stdout);
    const double cpuBefore = processCpuMs();
    const std::int64_t begin = steadyUs();
    measuring = true;
    runFor(phaseMs);
    measuring = false;
    const double wallMs = double(steadyUs() - begin) / 1e3;
    const double cpuMs = processCpuMs() - cpuBefore;
    std::printf("mark=timing_end\n");
    std::fflush(stdout);
    if (gapsMs.size() < 10)
        return 1;

    // Presses on the left reel only, so that the frames watched are the asked reel's.
    window.findChild<QSpinBox*>("slip")->setValue(4);
    std::vector<double> standMs;
    for (int press = 0; press < 12; ++press) {
        runFor(400 + 3 * press);  // a different moment of a cell each time
        if (!window.isSpinning())
            return 1;
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        const std::int64_t pressedUs = steadyUs();
        lastSlideDrawn = -1;
        QApplication::sendEvent(&window, &space);
        while (window.isSliding())
            runFor(1);
        standMs.push_back(double(steadyUs() - pressedUs) / 1e3);
        runFor(100);
        QApplication::sendEvent(&window, &space);  // the next target
    }

    // The screen shows a new frame at a refresh only when one was painted
    // since the last: the share of the refresh intervals that got one.
    std::vector<bool> fresh(std::size_t(double(paintedUs.back() - paintedUs.front()) / 1e3 / kRefreshMs), false);
    for (std::int64_t at : paintedUs) {
        const auto slot = std::size_t(double(at - paintedUs.front()) / 1e3 / kRefreshMs);
        if (slot < fresh.size())
            fresh[slot] = true;
    }
    const auto within = std::count_if(gapsMs.begin(), gapsMs.end(), [](double gap) { return gap <= kRefreshMs; });
    put("timing_screen_hz", window.screen()->refreshRate());
    put("timing_frame_interval_ms", window.findChild<QTimer*>("frames")->interval());
    put("timing_frames_per_s", double(gapsMs.size() + 1) / (wallMs / 1e3));
    put("timing_fresh_refresh_pct", 100.0 * double(std::count(fresh.begin(), fresh.end(), true)) / double(fresh.size()));
    put("timing_gaps_within_refresh_pct", 100.0 * double(within) / double(gapsMs.size()));
    put("timing_gap_max_ms", *std::max_element(gapsMs.begin(), gapsMs.end()));
    put("timing_paint_median_ms", percentile(paintMs, 0.5));
    put("timing_error_median_ms", percentile(errorsMs, 0.5));
    put("timing_error_p99_ms", percentile(errorsMs, 0.99));
    put("timing_error_max_ms", *std::max_element(errorsMs.begin(), errorsMs.end()));
    put("timing_cpu_pct", 100.0 * cpuMs / wallMs);
    put("timing_press_to_stand_median_ms", percentile(standMs, 0.5));
    put("timing_press_to_stand_max_ms", *std::max_element(standMs.begin(), standMs.end()));
    put("timing_slide_backward_frames", backwardFrames);

    return 0;
}
