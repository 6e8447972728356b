// The UI thread's longest stall during a connection, a 10000-sample oscillation
// readout, the listing of 254 records and a silent device's time-outs, each run
// several times; prints a table of the median and the largest figures.
//
//   bench_ui_stall [--runs N]     (offscreen platform unless one is set)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench_ui_stall.h"

namespace kav::bench {

namespace {

// Drops what earlier work left in the event queue (paints, zero timers), so
// it is not counted as the next action's stall.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

StallRun measureStall(const std::function<void()>& start, const std::function<bool()>& ended, int deadlineMs) {
    settle(50);
    StallRun r;
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 endNs = -1;
    // A tick: the gap since the previous one, then the end condition. Runs in
    // whichever event loop is turning, the window's own nested ones included.
    auto beat = [&](bool counted) {
        const qint64 now = clock.nsecsElapsed();
        if (endNs >= 0)
            return;
        r.longestMs = std::max(r.longestMs, static_cast<double>(now - last) / 1e6);
        last = now;
        if (counted)
            ++r.ticks;
        if (ended()) {
            endNs = now;
            loop.quit();
        }
    };
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(1);
    QObject::connect(&heartbeat, &QTimer::timeout, &loop, [&] { beat(true); });
    heartbeat.start();
    clock.start();
    start();
    beat(false); // the start itself may have held the thread
    if (endNs < 0) {
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(std::max<qint64>(0, deadlineMs - clock.elapsed()));
        loop.exec();
    }
    heartbeat.stop();
    r.ok = endNs >= 0;
    if (r.ok)
        r.durationMs = static_cast<double>(endNs) / 1e6;
    else
        r.error = QStringLiteral("not ended within %1 ms").arg(deadlineMs);
    return r;
}

bool waitFor(const std::function<bool()>& condition, int deadlineMs) {
    return measureStall([] {}, condition, deadlineMs).ok;
}

#if !defined(KAV_BENCH_PTY)
std::vector<StallScenario> ptyScenarios() { return {}; }
QString loadAverage() { return {}; }
#endif

} // namespace kav::bench

namespace {

using kav::bench::StallRun;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double largest(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: bench_ui_stall [--runs N]\n");
            return 64;
        }
    }
    if (runs < 1) {
        std::fprintf(stderr, "--runs needs a number from 1\n");
        return 64;
    }
    const std::vector<kav::bench::StallScenario> scenarios = kav::bench::ptyScenarios();
    if (scenarios.empty()) {
        std::fprintf(stderr, "bench_ui_stall: needs kav100sim --pty (POSIX)\n");
        return 0;
    }
    std::printf("load average at the start: %s\n", qPrintable(kav::bench::loadAverage()));
    std::printf("%-40s %21s %21s %17s\n", "scenario", "longest stall ms", "duration ms", "heartbeat ticks");
    std::printf("%-40s %10s %10s %10s %10s %8s %8s\n", "", "median", "max", "median", "max", "median", "max");
    int failed = 0;
    for (const kav::bench::StallScenario& s : scenarios) {
        std::vector<double> stall, duration, ticks;
        for (int i = 0; i < runs; ++i) {
            const StallRun r = s.run();
            if (!r.ok) {
                std::fprintf(stderr, "%s, run %d: %s\n", qPrintable(s.name), i + 1, qPrintable(r.error));
                ++failed;
                continue;
            }
            stall.push_back(r.longestMs);
            duration.push_back(r.durationMs);
            ticks.push_back(static_cast<double>(r.ticks));
        }
        if (stall.empty()) {
            std::printf("%-40s %s\n", qPrintable(s.name), "failed");
            continue;
        }
        std::printf("%-40s %10.1f %10.1f %10.0f %10.0f %8.0f %8.0f\n", qPrintable(s.name), median(stall),
                    largest(stall), median(duration), largest(duration), median(ticks), largest(ticks));
        std::fflush(stdout);
    }
    std::printf("load average at the end: %s\n", qPrintable(kav::bench::loadAverage()));
    return failed ? 1 : 0;
}
