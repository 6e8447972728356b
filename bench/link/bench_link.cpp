// CPU cost of the link's own work, without wire time: one transaction
// (request from structure text and parameters, framing with CRC, reply
// parse and CRC check, decode) against a converter that answers at once,
// and reading the simulated device's command list and info list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "com_usb.h"
#include "ft_stub.h"
#include "device_call.h"
#include "reply_frames.h"
#include "simulated_converter.h"

using namespace kav;
using kav::sim::Bytes;

namespace {

// Answers every frame with one fixed reply, without allocating.
class ZeroLatencyFt final : public ft::StubFtApi {
public:
    explicit ZeroLatencyFt(Bytes reply) : StubFtApi(Converter::Present), reply_(std::move(reply)) {}
    ft::FT_STATUS FT_Write(ft::FT_HANDLE, void*, ft::DWORD n, ft::DWORD* written) override {
        *written = n;
        cursor_ = 0;
        return ft::FT_OK;
    }
    ft::FT_STATUS FT_Read(ft::FT_HANDLE, void* buffer, ft::DWORD n, ft::DWORD* got) override {
        const std::size_t count = std::min<std::size_t>(n, reply_.size() - cursor_);
        std::memcpy(buffer, reply_.data() + cursor_, count);
        cursor_ += count;
        *got = static_cast<ft::DWORD>(count);
        return ft::FT_OK;
    }

private:
    Bytes reply_;
    std::size_t cursor_ = 0;
};

void runTransaction(benchmark::State& state, const Bytes& reply, const std::string& structure,
                    const std::string& parameters, const std::string& type) {
    ZeroLatencyFt ft(reply);
    ComUSB link(ft);
    for (auto _ : state) {
        Aufruf a = strukturAufruf(link, structure, parameters, type);
        benchmark::DoNotOptimize(a);
    }
}

} // namespace

// RD_Info with a number: 2 request places, a 2-byte reply.
static void BM_TransactionWord(benchmark::State& state) {
    runTransaction(state, sim::dataReply('I', Bytes{0x2C, 0x01}), "04 06 N I ", "5|300", "I");
}
BENCHMARK(BM_TransactionWord);

// A float parameter and a float reply.
static void BM_TransactionFloat(benchmark::State& state) {
    runTransaction(state, sim::dataReply('F', Bytes{0x00, 0x00, 0xC8, 0x41}), "05 22 F ", "12.34", "F");
}
BENCHMARK(BM_TransactionFloat);

// A text reply of 20 characters (command-list entries look like this).
static void BM_TransactionText(benchmark::State& state) {
    runTransaction(state, sim::textReply("DO_MesSchlechtimpuls"), "03 01 N N ", "1|0", "S");
}
BENCHMARK(BM_TransactionText);

// The CRC over the largest request.
static void BM_Crc255(benchmark::State& state) {
    const std::string hex(2 * 255, 'A');
    for (auto _ : state)
        benchmark::DoNotOptimize(COM_CRC16Hex(hex));
}
BENCHMARK(BM_Crc255);

// The simulated device's 45 commands, the handshake and its 19 info values:
// 2*45 + 1 + 1 + 3*19 + 1 transactions, the device's own work (building
// replies) included.
static void BM_CommandAndInfoList(benchmark::State& state) {
    ManualClock clock;
    sim::SimOptions options;
    options.clock = &clock;
    sim::SimulatedConverter ft(options);
    LinkHooks hooks;
    hooks.clock = &clock;
    ComUSB link(ft, hooks);
    std::string diagnose;
    if (link.COM_USBOeffnen(diagnose) != 0)
        state.SkipWithError("link not opened");
    for (auto _ : state) {
        std::string meldung;
        const auto r = link.COM_READBefehlsliste(meldung);
        if (r != 0 || link.commandCount() != 45 || link.infoCount() != sim::kInfoListLength)
            state.SkipWithError("list not read");
        benchmark::DoNotOptimize(link.infoListe());
    }
    state.counters["transactions"] = 2 * 45 + 1 + 1 + 3 * sim::kInfoListLength + 1;
}
BENCHMARK(BM_CommandAndInfoList)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
