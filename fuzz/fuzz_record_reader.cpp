// The record file reader must survive any bytes: whatever it accepts it can
// write back, and what it writes back it reads again as the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "record_file.h"

namespace {

using namespace kav::records;

Dateiinhalt zurueckschreiben(const Leseergebnis& r) {
    if (const auto* w = std::get_if<kav::measure::AktuellWerte>(&r.daten))
        return DateiSchreiben1(*w, r.kopf, r.zeit);
    if (const auto* w = std::get_if<kav::measure::SchlechtimpulsWerte>(&r.daten))
        return DateiSchreiben2(*w, r.kopf, r.zeit);
    if (const auto* w = std::get_if<kav::measure::DrehschwebungWerte>(&r.daten))
        return DateiSchreiben3(*w, r.kopf, r.zeit);
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view inhalt(reinterpret_cast<const char*>(data), size);
    const Leseergebnis r = DateiLesen(inhalt);
    if (!r.ok() || r.daten.index() == 0)
        return 0;
    // A record without data, a fixed-point value at the very edge of its range
    // or a text with blanks inside may not be writable as it was read; what is
    // written must read back to the same data.
    const Dateiinhalt neu = zurueckschreiben(r);
    if (!neu.ok())
        return 0;
    const Leseergebnis wieder = DateiLesen(neu.bytes);
    if (!wieder.ok() || wieder.typ != r.typ || wieder.daten != r.daten)
        std::abort();
    return 0;
}
