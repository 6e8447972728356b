// The oscillation readout of 10000 samples through the serial-port backend
// against kav100sim on a pseudo-terminal (wire time on), against the wire-time
// model of the same transactions; and the chart layout of 10000 samples.
#include <benchmark/benchmark.h>

#include <QProcess>

#include <chrono>
#include <memory>
#include <thread>

#include "chart_layout.h"
#include "com_usb.h"
#include "display_rules.h"
#include "line_model.h"
#include "measurement_cycle.h"
#include "quiet_host.h"
#include "serial_port_ft_api.h"

namespace {
using namespace kav;
using namespace kav::measure;

using bench::CountingFt;

double modelMs(const CountingFt& c) { return bench::lineModelMs(c); }

void BM_OscillationReadout10000_Pty(benchmark::State& state) {
    QProcess sim;
    sim.start(QStringLiteral(KAV100SIM_PATH), {"--pty", "--samples", "10000"});
    if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000)) {
        state.SkipWithError("kav100sim did not start");
        return;
    }
    backends::SerialPortFtApi serial(sim.readLine().trimmed().toStdString());
    CountingFt counting(serial);
    ComUSB link(counting);
    std::string diagnose;
    if (link.COM_USBOeffnen(diagnose) != 0) {
        state.SkipWithError("the link did not open");
        return;
    }
    test::QuietHost host;
    MeasurementCycle cycle(link, host);
    cycle.DateiTyp3Live();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500)); // one revolution and the processing

    double wall = 0, model = 0;
    int transactions = 0;
    for (auto _ : state) {
        DrehschwebungWerte live;
        host.debug.clear();
        counting.bytes = 0;
        counting.transactions = 0;
        counting.purges = 0;
        const auto start = std::chrono::steady_clock::now();
        const bool fertig = cycle.DateiTyp3Lesen(live).stand == Lesestand::Fertig;
        wall += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        model += modelMs(counting);
        transactions = counting.transactions;
        if (!fertig || live.AnzahlMesswerte != 10000)
            state.SkipWithError("the readout did not give 10000 samples");
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["wall_ms"] = wall / n;
    state.counters["model_ms"] = model / n;
    state.counters["wall_per_model"] = wall / model;
    state.counters["transactions"] = transactions;
    state.counters["purges"] = counting.purges;
    link.COM_USBSchliessen();
    sim.terminate();
    sim.waitForFinished(5000);
}
BENCHMARK(BM_OscillationReadout10000_Pty)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// Layout, sample decoding and the points of a 10000-sample result.
void BM_ChartLayout10000(benchmark::State& state) {
    DrehschwebungWerte w;
    w.AnzahlMesswerte = 10000;
    w.Impulszahl = 1024;
    for (int i = 0; i < 10000; ++i) {
        const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>((i * 37) % 4001 - 2000));
        static const char* kHex = "0123456789ABCDEF";
        w.Messdaten += {kHex[(v >> 4) & 15], kHex[v & 15], kHex[(v >> 12) & 15], kHex[(v >> 8) & 15]};
    }
    const Translator t = [](const std::string& d) { return d; };
    for (auto _ : state) {
        const ChartLayout l = DrehschwebungGrafik(2000, -2000, 12000, 6000, state.range(0) != 0, w.Impulszahl, t);
        benchmark::DoNotOptimize(messpunkte(l, messwerte(w)));
    }
}
BENCHMARK(BM_ChartLayout10000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
