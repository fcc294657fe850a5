// `make bench`: measures the program side by side with a bare Qt Widgets
// baseline, each run in turn on its own Xvfb server, and prints the median of
// several runs of every figure with its ratio to the baseline.
//     bench_driver <program subject> <baseline subject> <pictures folder> <table subject> <timing subject>
// The table and timing subjects measure the reach-me table and the timing
// drill alone, against fixed goals;
// the program subject measures its drill too. BENCH_RUNS (default 3),
// BENCH_STARTUP_RUNS (default 9), BENCH_TABLE_RUNS and BENCH_DRILL_RUNS (default
// 5 each) and BENCH_TIMING_RUNS (default 3) set the number of runs; BENCH_PHASE_SECONDS (default 10) the length
// of each measured phase. The drill keeps its progress in a folder of the
// bench's own, removed afterwards.
#include "bench/xvfb.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Figures = std::map<std::string, double>;

std::int64_t monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

int envCount(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    const int n = value ? std::atoi(value) : 0;
    return n > 0 ? n : fallback;
}

// CPU time of another process so far, in seconds.
double cpuSecondsOf(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    double utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {  // field 3 is the state
        if (i == 14)
            utime = std::atof(field.c_str());
        if (i == 15) {
            stime = std::atof(field.c_str());
            break;
        }
    }
    return (utime + stime) / double(sysconf(_SC_CLK_TCK));
}

class Bench {
public:
    Bench(const Xvfb& server, std::string pictures) : server_(server), pictures_(std::move(pictures))
    {
        char runtime[] = "/tmp/kareto-bench-XXXXXX";
        runtimeDir_ = mkdtemp(runtime) ? runtime : "/tmp";
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
                entry.rfind("XDG_RUNTIME_DIR=", 0) != 0 && entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
                env_.push_back(entry);
        }
        env_.push_back("DISPLAY=" + server_.display());
        env_.push_back("QT_QPA_PLATFORM=xcb");
        env_.push_back("XDG_RUNTIME_DIR=" + runtimeDir_);
        env_.push_back("XDG_DATA_HOME=" + runtimeDir_ + "/data");
    }

    ~Bench()
    {
        std::error_code ignored;
        std::filesystem::remove_all(runtimeDir_ + "/data", ignored);
        rmdir(runtimeDir_.c_str());
    }

    // Runs one subject once; empty when it failed or overran.
    std::optional<Figures> run(const std::string& program, const char* mode, int timeoutS)
    {
        int out[2];
        if (pipe2(out, O_CLOEXEC) != 0)
            return std::nullopt;
        const std::string log = runtimeDir_ + "/stderr.log";
        std::vector<char*> envp;
        for (std::string& entry : env_)
            envp.push_back(entry.data());
        envp.push_back(nullptr);

        // Start-up counts from here: the moment before the process is made.
        const std::int64_t start = monotonicNs();
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            const int err = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (err >= 0)
                dup2(err, STDERR_FILENO);
            if (chdir(pictures_.c_str()) != 0)
                _exit(126);
            const char* argv[] = {program.c_str(), mode, nullptr};
            execve(program.c_str(), const_cast<char**>(argv), envp.data());
            _exit(127);
        }
        close(out[1]);
        if (pid < 0) {
            close(out[0]);
            return std::nullopt;
        }

        Figures figures;
        std::map<std::string, std::int64_t> instants;  // keys ending in _ns, from the monotonic clock
        std::map<std::string, std::pair<double, std::int64_t>> marks;  // X server CPU and time at each mark
        std::string pending;
        const std::int64_t deadline = start + std::int64_t(timeoutS) * 1'000'000'000;
        bool overran = false;
        for (;;) {
            const std::int64_t left = (deadline - monotonicNs()) / 1'000'000;
            if (left <= 0) {
                overran = true;
                break;
            }
            pollfd wait{out[0], POLLIN, 0};
            if (poll(&wait, 1, int(left)) <= 0)
                continue;
            char buffer[512];
            const ssize_t n = read(out[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            pending.append(buffer, std::size_t(n));
            for (std::size_t eol; (eol = pending.find('\n')) != std::string::npos; pending.erase(0, eol + 1)) {
                const std::string line = pending.substr(0, eol);
                const auto eq = line.find('=');
                if (eq == std::string::npos)
                    continue;
                const std::string key = line.substr(0, eq);
                const std::string value = line.substr(eq + 1);
                if (key == "mark")
                    marks[value] = {cpuSecondsOf(server_.pid()), monotonicNs()};
                else if (key.size() > 3 && key.compare(key.size() - 3, 3, "_ns") == 0)
                    instants[key] = std::strtoll(value.c_str(), nullptr, 10);
                else
                    figures[key] = std::atof(value.c_str());
            }
        }
        close(out[0]);
        if (overran)
            kill(pid, SIGKILL);
        int status = 0;
        rusage usage{};
        while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
        if (overran || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "bench: %s %s %s\n", program.c_str(), mode,
                         overran ? "overran its time" : "failed");
            std::ifstream errors(log);
            std::fprintf(stderr, "%s", std::string(std::istreambuf_iterator<char>(errors), {}).c_str());
            return std::nullopt;
        }

        const auto serverCpu = [&](const std::string& phase) {
            const auto begin = marks.find(phase + "_begin");
            const auto end = marks.find(phase + "_end");
            if (begin != marks.end() && end != marks.end())
                figures[phase + "_xserver_cpu_pct"] = 100.0 * (end->second.first - begin->second.first) /
                                                      (double(end->second.second - begin->second.second) / 1e9);
        };
        if (std::strcmp(mode, "table") == 0 || std::strcmp(mode, "timing") == 0) {
            serverCpu(mode);
            return figures;  // its figures are its own, not start-up instants
        }
        for (const char* key : {"notice_shown_ns", "ok_pressed_ns", "reel_shown_ns"})
            if (!instants.count(key))
                return std::nullopt;
        figures["startup_first_ms"] = double(instants["notice_shown_ns"] - start) / 1e6;
        figures["startup_main_ms"] = double(instants["reel_shown_ns"] - start) / 1e6;
        figures["ok_to_main_ms"] = double(instants["reel_shown_ns"] - instants["ok_pressed_ns"]) / 1e6;
        figures["peak_rss_mib"] = double(usage.ru_maxrss) / 1024.0;
        for (const char* phase : {"spin35", "idle", "spin100"})
            serverCpu(phase);
        return figures;
    }

private:
    const Xvfb& server_;
    std::string pictures_;
    std::string runtimeDir_;
    std::vector<std::string> env_;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Medians {
    std::map<std::string, double> of;
    double operator[](const std::string& key) const
    {
        const auto found = of.find(key);
        return found == of.end() ? NAN : found->second;
    }
};

Medians mediansOf(const std::vector<Figures>& runs)
{
    std::map<std::string, std::vector<double>> all;
    for (const Figures& run : runs)
        for (const auto& [key, value] : run)
            all[key].push_back(value);
    Medians result;
    for (const auto& [key, values] : all)
        result.of[key] = median(values);
    return result;
}

std::string format(double value, const char* unit, int decimals)
{
    if (std::isnan(value))
        return "—";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%s", decimals, value, unit);
    return text;
}

std::string ratio(double program, double baseline)
{
    if (std::isnan(program) || std::isnan(baseline) || baseline <= 0)
        return "—";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f×", program / baseline);
    return text;
}

// Display width of a UTF-8 string where every character takes one column.
std::size_t columns(const std::string& text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string pad(const std::string& text, std::size_t width)
{
    return text + std::string(width > columns(text) ? width - columns(text) : 0, ' ');
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: %s <program subject> <baseline subject> <pictures folder> <table subject> <timing subject>\n",
                     argv[0]);
        return 2;
    }
    // Each subject runs in the pictures folder, so their paths must not be relative.
    auto absolute = [](const char* path) {
        char* resolved = realpath(path, nullptr);
        std::string result = resolved ? resolved : path;
        std::free(resolved);
        return result;
    };
    const std::string program = absolute(argv[1]);
    const std::string baseline = absolute(argv[2]);
    const std::string tableSubject = absolute(argv[4]);
    const std::string timingSubject = absolute(argv[5]);
    const int startupRuns = envCount("BENCH_STARTUP_RUNS", 9);
    const int fullRuns = envCount("BENCH_RUNS", 3);
    const int tableRuns = envCount("BENCH_TABLE_RUNS", 5);
    const int drillRuns = envCount("BENCH_DRILL_RUNS", 5);
    const int timingRuns = envCount("BENCH_TIMING_RUNS", 3);
    const int readingRuns = envCount("BENCH_READING_RUNS", 5);

    const Xvfb server;
    if (!server.running()) {
        std::fprintf(stderr, "bench: %s\n", server.error().c_str());
        return 1;
    }
    Bench bench(server, argv[3]);
    std::printf("kareto against a bare Qt Widgets baseline, on Xvfb %s (xcb), %ld cores\n",
                server.display().c_str(), sysconf(_SC_NPROCESSORS_ONLN));

    // The first start of each reads its libraries and fonts from disk; every
    // figure is of warm starts.
    for (const std::string& subject : {program, baseline})
        if (!bench.run(subject, "startup", 60)) {
            std::fprintf(stderr, "bench: %s does not start\n", subject.c_str());
            return 1;
        }

    std::vector<Figures> programStarts, baselineStarts, programRuns, baselineRuns;
    std::printf("start-up: %d runs each, in turn\n", startupRuns);
    std::fflush(stdout);
    for (int i = 0; i < startupRuns; ++i) {
        for (auto [subject, into] : {std::pair{&program, &programStarts}, std::pair{&baseline, &baselineStarts}}) {
            auto figures = bench.run(*subject, "startup", 60);
            if (!figures)
                return 1;
            into->push_back(*figures);
        }
    }
    std::printf("spinning and idle: %d runs each, in turn, about %d s a run\n", fullRuns,
                3 * envCount("BENCH_PHASE_SECONDS", 10) + 3);
    std::fflush(stdout);
    for (int i = 0; i < fullRuns; ++i) {
        for (auto [subject, into] : {std::pair{&program, &programRuns}, std::pair{&baseline, &baselineRuns}}) {
            auto figures = bench.run(*subject, "run", 40 + 3 * envCount("BENCH_PHASE_SECONDS", 10));
            if (!figures)
                return 1;
            into->push_back(*figures);
        }
    }

    // Runs of one subject alone, measured against fixed goals.
    auto runsOf = [&](const std::string& subject, const char* mode, int count, int timeoutS = 60) {
        std::vector<Figures> runs;
        for (int i = 0; i < count; ++i)
            if (auto figures = bench.run(subject, mode, timeoutS))
                runs.push_back(*figures);
        return runs;
    };
    // A player reads the notice before pressing OK; meanwhile the program may
    // prepare the reel window.
    std::printf("start-up with a second on the notice: %d runs of the program\n", readingRuns);
    std::fflush(stdout);
    const std::vector<Figures> readingStarts = runsOf(program, "reading", readingRuns);
    std::printf("reach-me table: %d runs\n", tableRuns);
    std::fflush(stdout);
    const std::vector<Figures> tableFigures = runsOf(tableSubject, "table", tableRuns);
    std::printf("drill: %d runs of the program\n", drillRuns);
    std::fflush(stdout);
    const std::vector<Figures> drillRunsDone = runsOf(program, "drill", drillRuns);
    std::printf("timing drill: %d runs of %d s spinning\n", timingRuns, envCount("BENCH_PHASE_SECONDS", 10));
    std::fflush(stdout);
    const std::vector<Figures> timingFigures = runsOf(timingSubject, "timing", timingRuns, 40 + envCount("BENCH_PHASE_SECONDS", 10));
    if (int(readingStarts.size()) != readingRuns || int(tableFigures.size()) != tableRuns ||
        int(drillRunsDone.size()) != drillRuns ||
        int(timingFigures.size()) != timingRuns)
        return 1;

    const Medians ps = mediansOf(programStarts), bs = mediansOf(baselineStarts);
    const Medians rs = mediansOf(readingStarts);
    const Medians tr = mediansOf(tableFigures);
    const Medians pr = mediansOf(programRuns), br = mediansOf(baselineRuns);
    const Medians pd = mediansOf(drillRunsDone);
    const Medians tm = mediansOf(timingFigures);

    struct Row {
        std::string figure, program, baseline, ratio, goal, verdict;
    };
    std::vector<Row> rows;
    auto verdict = [](bool met) { return std::string(met ? "met" : "NOT MET"); };
    auto add = [&](std::string figure, double p, double b, const char* unit, int decimals, std::string goal = "",
                   std::optional<bool> met = std::nullopt) {
        rows.push_back({std::move(figure), format(p, unit, decimals), format(b, unit, decimals), ratio(p, b),
                        std::move(goal), met ? verdict(*met) : ""});
    };

    add("start-up, exec → first window shown", ps["startup_first_ms"], bs["startup_first_ms"], " ms", 1,
        "≤ 1.1× baseline", ps["startup_first_ms"] <= 1.1 * bs["startup_first_ms"]);
    add("start-up, exec → reel window shown", ps["startup_main_ms"], bs["startup_main_ms"], " ms", 1,
        "≤ 1.3× baseline", ps["startup_main_ms"] <= 1.3 * bs["startup_main_ms"]);
    add("  of which OK → reel window shown", ps["ok_to_main_ms"], NAN, " ms", 1);
    add("  the same, OK after a second on the notice", rs["ok_to_main_ms"], NAN, " ms", 1);
    add("peak RSS, start-up", ps["peak_rss_mib"], bs["peak_rss_mib"], " MiB", 1, "≤ 1.2× baseline",
        ps["peak_rss_mib"] <= 1.2 * bs["peak_rss_mib"]);
    add("peak RSS, whole run", pr["peak_rss_mib"], br["peak_rss_mib"], " MiB", 1, "≤ 1.2× baseline",
        pr["peak_rss_mib"] <= 1.2 * br["peak_rss_mib"]);
    add("CPU, spinning at 35 ms", pr["spin35_cpu_pct"], br["spin35_cpu_pct"], " %", 2, "< 2 % of a core",
        pr["spin35_cpu_pct"] < 2.0);
    add("  X server CPU meanwhile", pr["spin35_xserver_cpu_pct"], br["spin35_xserver_cpu_pct"], " %", 2);
    add("CPU, idle", pr["idle_cpu_pct"], br["idle_cpu_pct"], " %", 3, "zero", pr["idle_cpu_pct"] < 0.01);
    add("  timer ticks while idle", pr["idle_timer_events"], br["idle_timer_events"], "", 0, "none",
        pr["idle_timer_events"] == 0);
    add("  Qt's own font-cache sweeps", pr["idle_font_cache_sweeps"], br["idle_font_cache_sweeps"], "", 0);
    for (int interval : {35, 100}) {
        const std::string phase = "spin" + std::to_string(interval);
        const double mean = pr[phase + "_mean_ms"];
        add("reel step at " + std::to_string(interval) + " ms, mean", mean, br[phase + "_mean_ms"], " ms", 3,
            "within 1 %", std::abs(mean - interval) <= 0.01 * interval);
        add("  p99 deviation from " + std::to_string(interval) + " ms", pr[phase + "_p99_dev_ms"],
            br[phase + "_p99_dev_ms"], " ms", 3, "< 3 ms", pr[phase + "_p99_dev_ms"] < 3.0);
    }
    add("painted frames per tick at 35 ms", pr["spin35_frames_per_tick"], br["spin35_frames_per_tick"], "", 3,
        "one", std::abs(pr["spin35_frames_per_tick"] - 1.0) < 0.02);
    add("  strip moves not painted", pr["spin35_missed_moves"], br["spin35_missed_moves"], "", 0, "none",
        pr["spin35_missed_moves"] == 0);
    add("  strip moves counted", pr["spin35_moves"], br["spin35_moves"], "", 0);
    add("drill, F2 → first opening shown", pd["drill_open_ms"], NAN, " ms", 1, "< 50 ms", pd["drill_open_ms"] < 50);
    add("drill, next → pattern shown, median", pd["drill_next_median_ms"], NAN, " ms", 2, "< 16 ms",
        pd["drill_next_median_ms"] < 16);
    add("  slowest of each run", pd["drill_next_max_ms"], NAN, " ms", 2, "< 16 ms", pd["drill_next_max_ms"] < 16);

    add("reach-me table, first opening (F3 → painted)", tr["table_open_ms"], NAN, " ms", 1, "< 50 ms",
        tr["table_open_ms"] < 50);
    add("  switching the left position, median", tr["table_switch_ms"], NAN, " ms", 1, "< 50 ms",
        tr["table_switch_ms"] < 50);
    add("  switching the left position, slowest", tr["table_switch_max_ms"], NAN, " ms", 1, "< 50 ms",
        tr["table_switch_max_ms"] < 50);
    add("  PDF export, 21 pages", tr["pdf_ms"], NAN, " ms", 0, "< 2 s", tr["pdf_ms"] < 2000);
    add("  CSV export, 9261 patterns", tr["csv_ms"], NAN, " ms", 1, "< 200 ms", tr["csv_ms"] < 200);

    add("timing drill at 80 rpm, 60 Hz refreshes with a new frame", tm["timing_fresh_refresh_pct"], NAN, " %", 2,
        "≥ 99 %", tm["timing_fresh_refresh_pct"] >= 99);
    add("  frames within 16.7 ms of the last", tm["timing_gaps_within_refresh_pct"], NAN, " %", 2);
    add("  frames a second", tm["timing_frames_per_s"], NAN, "", 1);
    add("  longest time between frames", tm["timing_gap_max_ms"], NAN, " ms", 2);
    add("  painting one frame, median", tm["timing_paint_median_ms"], NAN, " ms", 3);
    add("  drawn position off the ideal, median", tm["timing_error_median_ms"], NAN, " ms", 3);
    add("  drawn position off the ideal, p99", tm["timing_error_p99_ms"], NAN, " ms", 3, "≤ 1 ms",
        tm["timing_error_p99_ms"] <= 1);
    add("  drawn position off the ideal, worst frame", tm["timing_error_max_ms"], NAN, " ms", 3, "≤ 1 ms",
        tm["timing_error_max_ms"] <= 1);
    add("  CPU while spinning", tm["timing_cpu_pct"], NAN, " %", 2, "< 5 % of a core", tm["timing_cpu_pct"] < 5);
    add("  X server CPU meanwhile", tm["timing_xserver_cpu_pct"], NAN, " %", 2);
    add("  screen refresh Qt reports", tm["timing_screen_hz"], NAN, " Hz", 1);
    add("  press to the reel standing, slip 4, median", tm["timing_press_to_stand_median_ms"], NAN, " ms", 1);
    add("  press to the reel standing, slip 4, slowest", tm["timing_press_to_stand_max_ms"], NAN, " ms", 1,
        "≤ 190 ms", tm["timing_press_to_stand_max_ms"] <= 190);
    add("  frames of a slide drawn behind the last", tm["timing_slide_backward_frames"], NAN, "", 0, "0",
        tm["timing_slide_backward_frames"] == 0);

    std::size_t width[5] = {6, 7, 8, 5, 4};
    const Row header{"figure", "kareto", "baseline", "ratio", "goal", ""};
    for (const Row& row : rows)
        for (std::size_t i = 0; const std::string* cell : {&row.figure, &row.program, &row.baseline, &row.ratio, &row.goal})
            width[i] = std::max(width[i], columns(*cell)), ++i;
    std::printf("\nmedians of %d start-ups and %d runs of each; %d runs of the table, %d of the drill, %d of the timing drill\n",
                startupRuns, fullRuns, tableRuns, drillRuns, timingRuns);
    for (const Row* row : {&header}) {
        std::printf("%s  %s  %s  %s  %s\n", pad(row->figure, width[0]).c_str(), pad(row->program, width[1]).c_str(),
                    pad(row->baseline, width[2]).c_str(), pad(row->ratio, width[3]).c_str(), row->goal.c_str());
    }
    for (const Row& row : rows)
        std::printf("%s  %s  %s  %s  %s  %s\n", pad(row.figure, width[0]).c_str(), pad(row.program, width[1]).c_str(),
                    pad(row.baseline, width[2]).c_str(), pad(row.ratio, width[3]).c_str(),
                    pad(row.goal, width[4]).c_str(), row.verdict.c_str());
    return 0;
}
