// Listing 254 records through the serial-port backend against kav100sim on a
// pseudo-terminal with wire time on, compared with the wire-time model: the
// same listing in process on a manual clock, whose elapsed time is exactly
// what the model gives for its bytes and transactions.
#include <benchmark/benchmark.h>

#include <QProcess>

#include <chrono>

#include "com_usb.h"
#include "device_memory.h"
#include "serial_port_ft_api.h"
#include "simulated_converter.h"

using namespace kav;

namespace {

double modellMs() {
    ManualClock clock;
    sim::SimOptions o;
    o.clock = &clock;
    o.wireTime = true;
    o.storedRecords = 254;
    sim::SimulatedConverter ft(o);
    LinkHooks hooks;
    hooks.clock = &clock;
    ComUSB link(ft, hooks);
    std::string diagnose;
    if (link.COM_USBOeffnen(diagnose) != 0)
        return 0;
    const auto start = clock.now();
    const auto a = records::DatenVomG(link);
    const auto dauer = clock.now() - start;
    link.COM_USBSchliessen();
    return a.zeilen.size() == 254 ? std::chrono::duration<double, std::milli>(dauer).count() : 0;
}

void BM_List254_Pty_WireTime(benchmark::State& state) {
    QProcess server;
    server.start(QStringLiteral(KAV100SIM_PATH), {"--pty", "--records", "254"});
    if (!server.waitForStarted(10000) || !server.waitForReadyRead(10000)) {
        state.SkipWithError("kav100sim did not start");
        return;
    }
    const std::string pfad = server.readLine().trimmed().toStdString();
    double gemessenMs = 0;
    {
        backends::SerialPortFtApi api(pfad);
        ComUSB link(api);
        std::string diagnose;
        if (link.COM_USBOeffnen(diagnose) != 0) {
            state.SkipWithError("the link did not open");
        } else {
            const auto start = std::chrono::steady_clock::now();
            for (auto _ : state) {
                const auto a = records::DatenVomG(link);
                if (a.zeilen.size() != 254)
                    state.SkipWithError("listing failed");
            }
            gemessenMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
                         static_cast<double>(state.iterations());
            link.COM_USBSchliessen();
        }
    }
    server.terminate();
    server.waitForFinished(5000);
    const double modell = modellMs();
    state.counters["model_ms"] = modell;
    state.counters["ratio"] = modell > 0 ? gemessenMs / modell : 0;
}
BENCHMARK(BM_List254_Pty_WireTime)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
