// What the simulated device costs per frame, and how long a whole connection
// (command list, handshake, info list) takes on the modelled wire compared
// with the bytes' own time at 600000 baud.
#include <benchmark/benchmark.h>

#include <chrono>

#include "com_usb.h"
#include "reply_frames.h"
#include "kav100_device.h"
#include "simulated_converter.h"

namespace {
using namespace kav;
using namespace kav::sim;

Bytes request(std::uint8_t code, const Bytes& params) { return makeRequest(code, params); }

void BM_DeviceFrame_ReadSerialNumber(benchmark::State& state) {
    ManualClock clock;
    Kav100Device device(clock);
    const Bytes req = request(0x10, {3});
    for (auto _ : state)
        benchmark::DoNotOptimize(device.handleFrame(req));
}
BENCHMARK(BM_DeviceFrame_ReadSerialNumber);

void BM_DeviceFrame_CommandListEntry(benchmark::State& state) {
    ManualClock clock;
    Kav100Device device(clock);
    const Bytes req = request(0x01, {20, 1});
    for (auto _ : state)
        benchmark::DoNotOptimize(device.handleFrame(req));
}
BENCHMARK(BM_DeviceFrame_CommandListEntry);

void BM_DeviceFrame_OscillationBlock(benchmark::State& state) {
    ManualClock clock;
    Kav100Device device(clock);
    device.handleFrame(request(0x32, {1}));
    clock.advance(std::chrono::seconds(10));
    const Bytes req = request(0x14, {60, 0, 0, 0, 119});
    for (auto _ : state)
        benchmark::DoNotOptimize(device.handleFrame(req));
    state.SetBytesProcessed(state.iterations() * 240);
}
BENCHMARK(BM_DeviceFrame_OscillationBlock);

// One transaction through the in-process converter as the link makes it:
// one write, a one-byte read and the read of the rest.
void BM_ConverterTransaction(benchmark::State& state) {
    ManualClock clock;
    SimOptions o;
    o.clock = &clock;
    SimulatedConverter ft(o);
    char description[ft::FT_LIST_BUFFER_SIZE] = {};
    ft.FT_ListDevices(nullptr, description, ft::FT_LIST_BY_INDEX | ft::FT_OPEN_BY_DESCRIPTION);
    ft::FT_HANDLE h = nullptr;
    ft.FT_OpenEx(description, ft::FT_OPEN_BY_DESCRIPTION, &h);
    ft.FT_SetBaudRate(h, 600000);
    ft.FT_SetTimeouts(h, 1000, 0);
    Bytes req = request(0x10, {3});
    std::uint8_t buf[300];
    for (auto _ : state) {
        ft::DWORD n = 0;
        ft.FT_Write(h, req.data(), static_cast<ft::DWORD>(req.size()), &n);
        ft.FT_Read(h, buf, 1, &n);
        ft.FT_Read(h, buf + 1, buf[0] + 3u, &n);
        benchmark::DoNotOptimize(buf);
    }
}
BENCHMARK(BM_ConverterTransaction);

// The connection's request sequence, sent straight to the converter: entries
// 1 to 9, the handshake, entries 10 on, then the info list.
void connectByHand(SimulatedConverter& ft, ft::FT_HANDLE h) {
    std::uint8_t buf[300];
    auto exchange = [&](Bytes req) -> std::string {
        ft::DWORD n = 0;
        ft.FT_Write(h, req.data(), static_cast<ft::DWORD>(req.size()), &n);
        ft.FT_Read(h, buf, 1, &n);
        ft::DWORD rest = 0;
        ft.FT_Read(h, buf + 1, buf[0] + 3u, &rest);
        if (n != 1 || rest < 4)
            return {};
        return std::string(reinterpret_cast<char*>(buf + 3), reinterpret_cast<char*>(buf + rest - 1));
    };
    auto text = [](std::string s) {
        if (!s.empty() && s.back() == '\0')
            s.pop_back();
        return s;
    };
    for (int i = 1; i <= 80; ++i) {
        if (text(exchange(request(0x01, {static_cast<std::uint8_t>(i), 0}))) == "EndofTab")
            break;
        exchange(request(0x01, {static_cast<std::uint8_t>(i), 1}));
        if (i == 9)
            exchange(request(0x12, {'K', 'A', '0', '1', '0', '0', '0', '0'}));
    }
    for (int j = 0; j <= 80; ++j) {
        if (text(exchange(request(0x11, {static_cast<std::uint8_t>(j), 0}))) == "EndofTab")
            break;
        exchange(request(0x11, {static_cast<std::uint8_t>(j), 1}));
        exchange(request(0x10, {static_cast<std::uint8_t>(j)}));
    }
}

void reportAgainstWire(benchmark::State& state, SimulatedConverter& ft, Clock::duration simulated, int transactions) {
    const WireTiming wire{true};
    const double bytesMs =
        std::chrono::duration<double, std::milli>(wire.forBytes(ft.line().bytesFromHost() + ft.line().bytesToHost()))
            .count();
    state.counters["simulated_ms"] = std::chrono::duration<double, std::milli>(simulated).count();
    state.counters["wire_bytes_ms"] = bytesMs;
    state.counters["wire_plus_latency_ms"] = bytesMs + transactions * 1.0;
    state.counters["transactions"] = transactions;
}

void BM_Connection_WireTime_ByHand(benchmark::State& state) {
    for (auto _ : state) {
        ManualClock clock;
        SimOptions o;
        o.clock = &clock;
        o.wireTime = true;
        SimulatedConverter ft(o);
        char description[ft::FT_LIST_BUFFER_SIZE] = {};
        ft.FT_ListDevices(nullptr, description, ft::FT_LIST_BY_INDEX | ft::FT_OPEN_BY_DESCRIPTION);
        ft::FT_HANDLE h = nullptr;
        ft.FT_OpenEx(description, ft::FT_OPEN_BY_DESCRIPTION, &h);
        ft.FT_SetBaudRate(h, 600000);
        ft.FT_SetDataCharacteristics(h, 8, 0, 0);
        ft.FT_SetTimeouts(h, 1000, 0);
        const auto start = clock.now();
        connectByHand(ft, h);
        state.PauseTiming();
        reportAgainstWire(state, ft, clock.now() - start, ft.line().requestsReceived());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Connection_WireTime_ByHand)->Unit(benchmark::kMillisecond);

void BM_Connection_WireTime_Link(benchmark::State& state) {
    for (auto _ : state) {
        ManualClock clock;
        SimOptions o;
        o.clock = &clock;
        o.wireTime = true;
        SimulatedConverter ft(o);
        LinkHooks hooks;
        hooks.clock = &clock;
        ComUSB link(ft, hooks);
        std::string diagnose;
        const auto start = clock.now();
        const auto result = link.COM_USBOeffnen(diagnose);
        state.PauseTiming();
        if (result != 0)
            state.SkipWithError("connection failed");
        reportAgainstWire(state, ft, clock.now() - start, ft.line().requestsReceived());
        link.COM_USBSchliessen();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Connection_WireTime_Link)->Unit(benchmark::kMillisecond);

} // namespace
