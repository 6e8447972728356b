// Requests from fuzzed structure and parameter texts, and the small text
// and number conversions the building uses.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "com_usb.h"
#include "typed_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string struktur = in.ConsumeRandomLengthString(160);
    const std::string parameter = in.ConsumeRemainingBytesAsString();

    std::string grund;
    const std::string anfrage = kav::anfrageAufbauen(struktur, parameter, grund);
    // A reason means no request; the request has no blanks left; both ways agree.
    if ((!grund.empty() && !anfrage.empty()) || anfrage.find(' ') != std::string::npos ||
        kav::COM_BefehlAufbauen(struktur, parameter) != anfrage)
        std::abort();
    std::string bereinigt = anfrage;
    kav::COM_HexBereinigen(bereinigt);

    for (int k = 1; k <= 3; ++k)
        kav::COM_Feld(parameter, "|", k);
    kav::COM_Ersetzen(struktur, parameter.substr(0, 3), "x");
    const float single = kav::COM_Str2Single(parameter);
    const std::string hex = kav::COM_Single2Hex(single);
    if (hex.size() != 8)
        std::abort();
    kav::COM_Hex2Single(hex);
    kav::COM_Q2Hex(single);
    kav::COM_HexFix(static_cast<long long>(parameter.size()) - 64, static_cast<int>(struktur.size() % 10) - 1);
    return 0;
}
