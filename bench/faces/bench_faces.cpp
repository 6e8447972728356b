// A whole connection (open, configuration, command list, handshake, info
// list) through each face of the simulated device, on the real clock with
// the wire-time model on: the wall time against the modelled wire time, that
// is the bytes' own time at 600000 baud plus the USB latency per transaction.
#include <benchmark/benchmark.h>

#include <QLibrary>
#include <QProcess>

#include <chrono>
#include <memory>
#include <string>

#include "com_usb.h"
#include "d2xx_library_ft_api.h"
#include "device_line.h"
#include "ft_forwarding.h"
#include "serial_port_ft_api.h"
#include "simulated_converter.h"

namespace {

using namespace kav;
using Steady = std::chrono::steady_clock;

// Counts what crosses the line.
class CountingFtApi final : public ft::ForwardingFtApi {
public:
    using ForwardingFtApi::ForwardingFtApi;

    std::size_t bytesOut = 0;
    std::size_t bytesIn = 0;
    int writes = 0;

    void written(const std::uint8_t*, ft::DWORD n) override {
        bytesOut += n;
        ++writes;
    }
    void read(const std::uint8_t*, ft::DWORD n) override { bytesIn += n; }
    void purged(ft::ULONG) override { ++purges; }
    int purges = 0;
};

double ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Totals {
    double wallMs = 0;
    double modelMs = 0;
    int transactions = 0;
    int purges = 0;
    int connections = 0;
};

// One connection through `api`, timed; the close is not part of it.
void connectOnce(benchmark::State& state, ft::FtApi& api, Totals& totals) {
    CountingFtApi counting(api);
    ComUSB link(counting);
    std::string diagnose;
    const auto start = Steady::now();
    const auto result = link.COM_USBOeffnen(diagnose);
    const auto wall = Steady::now() - start;
    link.COM_USBSchliessen();
    if (result != 0) {
        state.SkipWithError(("connection failed: " + diagnose).c_str());
        return;
    }
    state.SetIterationTime(std::chrono::duration<double>(wall).count());
    const sim::WireTiming wire{true};
    // A purge of the receive queue is a USB round trip of its own.
    const auto model =
        wire.forBytes(counting.bytesOut + counting.bytesIn) + (counting.writes + counting.purges) * wire.usbLatency;
    totals.wallMs += ms(wall);
    totals.modelMs += ms(model);
    totals.transactions = counting.writes;
    totals.purges = counting.purges;
    ++totals.connections;
}

void report(benchmark::State& state, const Totals& t) {
    if (t.connections == 0)
        return;
    state.counters["wall_ms"] = t.wallMs / t.connections;
    state.counters["model_ms"] = t.modelMs / t.connections;
    state.counters["ratio"] = t.wallMs / t.modelMs;
    state.counters["transactions"] = t.transactions;
    state.counters["purges"] = t.purges;
}

// The in-process converter; its reads sleep on the system clock.
void BM_Connection_InProcess(benchmark::State& state) {
    Totals totals;
    for (auto _ : state) {
        sim::SimOptions options;
        options.wireTime = true;
        sim::SimulatedConverter converter(options);
        connectOnce(state, converter, totals);
    }
    report(state, totals);
}

// The simulated device's D2XX library through the link's D2XX backend.
void BM_Connection_D2xxLibrary(benchmark::State& state) {
    QLibrary control(QStringLiteral(KAV100SIM_FTD2XX_PATH));
    using Configure = int (*)(const char*);
    auto configure = control.load() ? reinterpret_cast<Configure>(control.resolve("kav100sim_configure")) : nullptr;
    std::string error;
    auto api = backends::loadD2xxLibrary(KAV100SIM_FTD2XX_PATH, error);
    if (!configure || !api) {
        state.SkipWithError(("library not loaded: " + error).c_str());
        return;
    }
    Totals totals;
    for (auto _ : state) {
        configure("--wire-time");
        connectOnce(state, *api, totals);
    }
    report(state, totals);
}

#if defined(KAV100SIM_PATH)
// kav100sim --pty through the link's serial-port backend. Without wire time
// the wall time is what the terminal and the serial port add per transaction.
void BM_Connection_PseudoTerminal(benchmark::State& state, bool wireTime) {
    QProcess server;
    QStringList arguments{QStringLiteral("--pty")};
    if (!wireTime)
        arguments << QStringLiteral("--no-wire-time");
    server.start(QStringLiteral(KAV100SIM_PATH), arguments);
    if (!server.waitForStarted(10000) || !server.waitForReadyRead(10000)) {
        state.SkipWithError("kav100sim did not start");
        return;
    }
    const std::string path = server.readLine().trimmed().toStdString();
    Totals totals;
    for (auto _ : state) {
        backends::SerialPortFtApi api(path);
        connectOnce(state, api, totals);
    }
    if (wireTime) {
        report(state, totals);
    } else if (totals.connections > 0) {
        state.counters["wall_ms"] = totals.wallMs / totals.connections;
        state.counters["us_per_transaction"] = 1000.0 * totals.wallMs / totals.connections / totals.transactions;
    }
    server.terminate();
    server.waitForFinished(5000);
}
#endif

} // namespace

BENCHMARK(BM_Connection_InProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_Connection_D2xxLibrary)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
#if defined(KAV100SIM_PATH)
BENCHMARK_CAPTURE(BM_Connection_PseudoTerminal, wire_time, true)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_Connection_PseudoTerminal, no_wire_time, false)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
#endif
