// The simulated device under fuzzed requests: its flags, its request
// assembler on a noisy byte stream, and its handling of whole frames with a
// fitting CRC (so the input reaches every command), on a manual clock.
#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <cstdlib>

#include "device_crc.h"
#include "device_line.h"
#include "kav100_device.h"
#include "reply_frames.h"
#include "request_assembler.h"
#include "scenario_flags.h"
#include "simulated_converter.h"

namespace {

using namespace kav::sim;

// A reply the device sends is always a whole frame with its CRC.
void checkReply(const Bytes& reply) {
    if (reply.empty())
        return;
    if (reply.size() < 5 || reply.size() != reply[0] + 4u)
        std::abort();
    const std::uint16_t crc = deviceCrc16(std::span<const std::uint8_t>(reply.data(), reply.size() - 2));
    if (reply[reply.size() - 2] != (crc >> 8) || reply.back() != (crc & 0xFF))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    kav::ManualClock clock;
    SimOptions options;
    std::string error;
    if (!applySimFlags(splitFlags(in.ConsumeRandomLengthString(48)), options, error))
        options = SimOptions{};
    Kav100Device device(clock, deviceSettingsFrom(options));
    // The line applies the flags' frame faults and wire time; the device alone answers every frame.
    DeviceLine line(device, clock, WireTiming{options.wireTime, options.usbLatency}, options.seed);
    RequestAssembler assembler;

    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0: { // a whole request with a fitting CRC
            const auto code = in.ConsumeIntegral<std::uint8_t>();
            const auto params = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 16));
            checkReply(device.handleFrame(makeRequest(code, params)));
            break;
        }
        case 1: { // any bytes, also a frame with a wrong CRC
            const auto frame = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 24));
            checkReply(device.handleFrame(frame));
            break;
        }
        case 2: { // a noisy stream through the assembler
            const auto bytes = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 64));
            for (const auto& frame : assembler.feed(bytes, clock.now()))
                checkReply(device.handleFrame(frame));
            if (assembler.buffered() > RequestAssembler::kMaxBuffered)
                std::abort();
            break;
        }
        case 3: { // bytes over the line, what comes back read
            const auto bytes = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 64));
            line.hostWrite(bytes);
            std::uint8_t out[512];
            while (line.read(out, sizeof out, clock.now()) > 0) {
            }
            break;
        }
        default: // time passes: measurements finish
            clock.advance(std::chrono::milliseconds(in.ConsumeIntegralInRange(0, 5000)));
            break;
        }
    }
    return 0;
}
