// The guided test run as kavctl makes it, through the serial-port backend
// against kav100sim on a pseudo-terminal (wire time on): its wall time
// against the sum of the model times of its three measurements, each made
// alone as `kavctl measure` makes it (target: at most 1.05).
#include <benchmark/benchmark.h>

#include <QProcess>

#include <chrono>
#include <sstream>

#include "com_usb.h"
#include "kavctl_measure.h"
#include "kavctl_test.h"
#include "line_model.h"
#include "serial_port_ft_api.h"

namespace {
using namespace kav;

using bench::CountingFt;

// The real clock, keeping the waits the measurement cycle asks for (its polls).
class CountingClock final : public Clock {
public:
    time_point now() const override { return SystemClock::instance().now(); }
    void sleepFor(duration d) override {
        slept += d;
        SystemClock::instance().sleepFor(d);
    }
    LocalTime localTime() const override { return SystemClock::instance().localTime(); }
    duration slept{};
};

// A measurement's model time: its polls' waits, every byte at 600000 baud
// (10 bits), and the USB latency (1 ms) per reply and per purge.
double modelMs(const CountingFt& c, const CountingClock& clock) {
    return std::chrono::duration<double, std::milli>(clock.slept).count() + bench::lineModelMs(c);
}

void BM_GuidedRun_Pty(benchmark::State& state) {
    QProcess sim;
    sim.start(QStringLiteral(KAV100SIM_PATH), {"--pty", "--steady"});
    if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000)) {
        state.SkipWithError("kav100sim did not start");
        return;
    }
    backends::SerialPortFtApi serial(sim.readLine().trimmed().toStdString());
    CountingFt counting(serial);
    CountingClock clock;
    LinkHooks hooks;
    hooks.clock = &clock;
    ComUSB link(counting, std::move(hooks));
    std::string diagnose;
    if (link.COM_USBOeffnen(diagnose) != 0) {
        state.SkipWithError("the link did not open");
        return;
    }
    kavctl::Options options;
    options.command = kavctl::Options::Command::Test;
    options.measure.profile = verdict::Profile{"Bench", {}};
    std::ostringstream out, err;

    double wall = 0, model = 0, alone = 0, runModel = 0;
    for (auto _ : state) {
        // The three measurements alone, as `kavctl measure` makes each.
        const auto first = std::chrono::steady_clock::now();
        for (int typ = 1; typ <= 3; ++typ) {
            counting.reset();
            clock.slept = {};
            kavctl::MeasureOptions m;
            m.typ = typ;
            if (kavctl::runMeasure(m, "E", link, out, err, false) != 0)
                state.SkipWithError("a measurement failed");
            model += modelMs(counting, clock);
        }
        alone += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - first).count();
        counting.reset();
        clock.slept = {};
        const auto start = std::chrono::steady_clock::now();
        if (kavctl::runTest(options, link, out, err) != 0)
            state.SkipWithError("the test run did not pass");
        wall += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        runModel += modelMs(counting, clock);
        out.str({});
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["run_wall_ms"] = wall / n;
    state.counters["measurements_model_ms"] = model / n;
    state.counters["ratio"] = wall / model;
    // What the pseudo-terminal costs the measurements alone, for comparison.
    state.counters["measurements_wall_ms"] = alone / n;
    // The run's own model time (its polls, bytes and latencies): what the device made it wait.
    state.counters["run_model_ms"] = runModel / n;
    link.COM_USBSchliessen();
    sim.terminate();
    sim.waitForFinished(5000);
}
BENCHMARK(BM_GuidedRun_Pty)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
