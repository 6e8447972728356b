// One frame transaction after another against a converter that hands out
// fuzzed replies: the link must never read past its buffers, never hang and
// only ever return what a transaction can return.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "com_usb.h"
#include "device_call.h"
#include "fuzzed_converter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    kav::fuzz::FuzzedConverter ft(in);
    kav::ComUSB link(ft);
    while (in.remaining_bytes() > 0) {
        // A request of 1 to 8 bytes: the transaction itself does not care what it asks.
        auto request = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(1, 8));
        if (request.empty())
            request.push_back(0x01);
        const int before = ft.writes;
        const bool lostBefore = link.linkLost();
        const std::string reply = kav::anfrageAufruf(link, kav::COM_Bytes2Hex(request.data(), request.size())).roh;
        const int writes = ft.writes - before;
        // A vanished converter is not written to again.
        if (lostBefore && (writes != 0 || reply != kav::kHexERROR))
            std::abort();
        // One write, a resend, or up to five attempts for replies that begin with 0.
        if (!lostBefore && (writes < 1 || writes > 5))
            std::abort();
        if (!kav::fuzz::plausibleResult(reply) || link.DatFormat.size() > 1)
            std::abort();
    }
    return 0;
}
