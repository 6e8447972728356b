// Reply texts decoded with every type letter, and how the device call judges
// a reply before any letter decodes it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "com_usb.h"
#include "device_call.h"
#include "frames.h"
#include "typed_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const bool asBytes = in.ConsumeBool();
    std::string roh;
    std::string bytes;
    if (asBytes) {
        bytes = in.ConsumeRemainingBytesAsString();
        roh = kav::COM_Bytes2Hex(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    } else {
        roh = in.ConsumeRemainingBytesAsString(); // any text: a device error text, odd lengths, non-hex
    }

    for (const char* typ : {"N", "M", "D", "B", "C", "I", "L", "F", "Q", "P", "S", "X", "", "SS"}) {
        const kav::ComValue v = kav::COM_WertLesen(roh, typ);
        v.toText();
        v.toNumber();
        kav::istFehlerwert(v);
    }
    if (asBytes) {
        // Whole bytes: "S" gives them back as they were, I and P stay within 16 bits, Q within 16.16.
        if (kav::COM_WertLesen(roh, "S").toText() != bytes)
            std::abort();
        const double i = kav::COM_WertLesen(roh, "I").toNumber();
        const double q = kav::COM_WertLesen(roh, "Q").toNumber();
        if (i < -32768 || i > 32767 || q < -32768 || q >= 32768)
            std::abort();
    }
    const kav::Aufruffehler f = kav::antwortPruefen(roh);
    // The three sentinels and the empty text are failure words; a text with "," a device error.
    const bool wort = roh.empty() || roh == kav::kHexERROR || roh == kav::kHexERROR_CHK || roh == kav::kHexERROR_INTERN;
    if (wort != (f == kav::Aufruffehler::Fehlerwort))
        std::abort();
    if (!wort && (roh.front() == ',') != (f == kav::Aufruffehler::Geraetefehler))
        std::abort();
    return 0;
}
