// Opening the link against a fuzzed device: command list, version handshake,
// info list, then a few calls by name through the device-call path.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "com_usb.h"
#include "device_call.h"
#include "fuzzed_converter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    kav::fuzz::FuzzedConverter ft(in);
    kav::ComUSB link(ft);
    std::string diagnose;
    const std::uint8_t result = link.COM_USBOeffnen(diagnose);
    if (result > 3 || link.commandCount() < 0 || link.commandCount() > 80 || link.infoCount() < 0 ||
        link.infoCount() > 81)
        std::abort();
    // An open link has what the connection depends on.
    if (result == 0 && (!link.isOpen() || link.StrukturRDInfoText.empty() || link.StrukturWRPCVers.empty()))
        std::abort();
    if (result != 0 && link.isOpen())
        std::abort();
    if (!link.isOpen())
        return 0;
    for (int i = 0; i < 4 && in.remaining_bytes() > 0; ++i) {
        const std::string name = kav::fuzz::kWords[in.ConsumeIntegralInRange<std::size_t>(0, 4)];
        const std::string parameter = in.ConsumeRandomLengthString(24);
        const std::string type(1, "NMDBCILFQPSX"[in.ConsumeIntegralInRange(0, 11)]);
        const kav::Aufruf a = kav::geraetAufruf(link, name, parameter, type);
        // A failed call never carries a decoded value.
        if (!a.ok() && !a.wert.isEmpty())
            std::abort();
        a.wert.toText();
        a.grund();
    }
    link.COM_USBSchliessen();
    return 0;
}
